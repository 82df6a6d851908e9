# Installs Tatami2D for other projects, all in the install component Development: the
# public headers under include/tatami2d/, the library, and a CMake package with which a
# project does find_package(Tatami2D CONFIG REQUIRED) and links Tatami2D::Tatami2D.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(tatami2dPackageDir ${CMAKE_INSTALL_LIBDIR}/cmake/Tatami2D)

install(TARGETS Tatami2D
    EXPORT Tatami2DTargets
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Development
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Development
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Development
    FILE_SET HEADERS DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT Development
    INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT Tatami2DTargets
    NAMESPACE Tatami2D::
    DESTINATION ${tatami2dPackageDir}
    COMPONENT Development)

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/Tatami2DConfig.cmake.in
    ${CMAKE_CURRENT_BINARY_DIR}/Tatami2DConfig.cmake
    INSTALL_DESTINATION ${tatami2dPackageDir})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/Tatami2DConfigVersion.cmake
    VERSION ${TATAMI2D_VERSION}
    COMPATIBILITY SameMajorVersion)
install(FILES
        ${CMAKE_CURRENT_BINARY_DIR}/Tatami2DConfig.cmake
        ${CMAKE_CURRENT_BINARY_DIR}/Tatami2DConfigVersion.cmake
    DESTINATION ${tatami2dPackageDir}
    COMPONENT Development)
