#include "tatami2d/svg/SVGParser.h"

#include "tatami2d/math/Box2f.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <utility>

namespace {

bool IsRelative(char command) {
    return command >= 'a' && command <= 'z';
}

bool IsSvgWhitespace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

} // namespace

bool SVGParser::GetVerticesFromSvgFile(const std::string& filePath,
                                       std::vector<std::vector<Pos2f>>& vertices) {
    std::string svgString;
    std::ifstream svgStream{filePath};
    if (svgStream.is_open()) {
        // One allocation for the whole text instead of a chain of growing copies.
        std::error_code sizeUnknown;
        const std::uintmax_t fileSize = std::filesystem::file_size(filePath, sizeUnknown);
        if (!sizeUnknown && fileSize < svgString.max_size()) {
            svgString.reserve(static_cast<size_t>(fileSize));
        }
        std::string svgLine;
        while (std::getline(svgStream, svgLine)) {
            // getline drops the LF; the CR of a CR LF stays behind. A last line without LF
            // keeps whatever it ends with.
            if (!svgStream.eof() && !svgLine.empty() && svgLine.back() == '\r') {
                svgLine.pop_back();
            }
            svgString += svgLine;
        }
    }
    // A directory opens like a file but fails on the first read.
    if (!svgStream.is_open() || svgStream.bad()) {
        std::cerr << "SVGParser::GetVerticesFromSvgFile(..), failed to load vertices from file "
                  << filePath << std::endl;
        return false;
    }
    svgStream.close();

    RemoveSpaces(svgString);
    if (!GetVerticesFromSvgString(svgString, vertices)) {
        std::cerr << "SVGParser::GetVerticesFromSvgFile(..), malformed or unsupported "
                     "information in file "
                  << filePath << std::endl;
        return false;
    }

    std::string viewBoxValue;
    if (!GetAttributeValue(svgString, "viewBox", viewBoxValue)) {
        std::cerr << "SVGParser::GetVerticesFromSvgFile(..), no viewbox information found in "
                  << filePath << std::endl;
        vertices.clear();
        return false;
    }

    // A field whose number cannot be read (a comma, or a value out of float range) stays 0,
    // and so do the fields after it.
    Box2f viewBox;
    std::stringstream sstream{viewBoxValue};
    for (float* field : {&viewBox.left, &viewBox.bottom, &viewBox.width, &viewBox.height}) {
        float value = 0.0f;
        if (!(sstream >> value)) {
            break;
        }
        *field = value;
    }

    for (std::vector<Pos2f>& outline : vertices) {
        for (Pos2f& point : outline) {
            point.y = viewBox.height - point.y;
        }
    }
    return true;
}

bool SVGParser::GetVerticesFromSvgString(const std::string& svgText,
                                         std::vector<std::vector<Pos2f>>& vertices) {
    size_t startPosContent{0};
    size_t endPosContent{0};
    size_t bareTagPos = svgText.find("<path>");
    std::string pathElementContent;
    while (FindElement(svgText, "path", pathElementContent, startPosContent, endPosContent,
                       bareTagPos)) {
        // The leading space keeps attributes such as id from being taken for d.
        std::string pathDataValue;
        if (!GetAttributeValue(pathElementContent, " d", pathDataValue)) {
            std::cerr << "SVGParser::GetVerticesFromSvgString(..), path element doesn't contain "
                         "a d-attribute.\n ";
            vertices.clear();
            return false;
        }
        std::vector<Pos2f> verticesVector;
        if (!GetVerticesFromPathData(pathDataValue, verticesVector)) {
            std::cerr << "SVGParser::GetVerticesFromSvgString(..), error while extracting "
                         "vertices from the path. \n";
            vertices.clear();
            return false;
        }
        if (verticesVector.empty()) {
            std::cerr << "Empty verticesVector in GetVerticesFromSvgString(..), no vertices "
                         "found in the path element"
                      << std::endl;
            vertices.clear();
            return false;
        }
        vertices.push_back(std::move(verticesVector));
        // Resuming inside this element could find a "<path" in its attributes and read the
        // same data again, once per such occurrence.
        startPosContent = endPosContent;
    }
    // A start tag without its end marker is a cut-off or malformed file, not the end of the
    // outlines: accepting it would drop that element and every one after it unnoticed.
    if (svgText.find("<path", startPosContent) != std::string::npos) {
        std::cerr << "SVGParser::GetVerticesFromSvgString(..), path element isn't terminated.\n";
        vertices.clear();
        return false;
    }
    if (vertices.empty()) {
        std::cerr << "Empty vertices in GetVerticesFromSvgString(..), no path element(s) found"
                  << std::endl;
        return false;
    }
    return true;
}

bool SVGParser::GetVerticesFromPathData(const std::string& pathData, std::vector<Pos2f>& vertices) {
    const size_t sizeBefore = vertices.size();
    const auto refuse = [&vertices, sizeBefore]() {
        vertices.resize(sizeBefore);
        return false;
    };

    std::stringstream ss{pathData};
    const std::string pathCmdChars{"mMZzLlHhVvCcSsQqTtAa"};
    char pathCommand{0};
    char command{0};
    Pos2f cursor;
    Pos2f startPoint;
    bool isClosed{true};

    ss >> pathCommand;
    while (!ss.eof()) {
        if (pathCmdChars.find(pathCommand) != std::string::npos) {
            command = pathCommand;
        } else if (command == 'Z' || command == 'z') {
            // A close takes no arguments, so nothing would ever consume this one.
            return refuse();
        } else {
            ss.unget();
        }

        switch (command) {
        case 'M':
        case 'm':
            if (isClosed) {
                cursor = FirstSvgPoint(ss, cursor, command, isClosed, true);
                vertices.push_back(cursor);
                startPoint = cursor;
                isClosed = false;
            } else {
                vertices.push_back(NextSvgPoint(ss, cursor, command, isClosed, true));
            }
            break;
        case 'L':
        case 'l':
            vertices.push_back(NextSvgPoint(ss, cursor, command, isClosed, true));
            break;
        case 'H':
        case 'h':
            vertices.push_back(NextSvgCoordX(ss, cursor, command, isClosed));
            break;
        case 'V':
        case 'v':
            vertices.push_back(NextSvgCoordY(ss, cursor, command, isClosed));
            break;
        case 'Z':
        case 'z':
            isClosed = true;
            cursor = startPoint;
            break;
        case 'C':
        case 'c':
            std::cerr << "SVGParser::GetVerticesFromPathData,  beziers are not supported.\n"
                         "Have another look at the guide, or select all nodes in inkscape and "
                         "press shift + L\n";
            return refuse();
        default:
            std::cerr << "SVGParser::GetVerticesFromPathData, " << command
                      << " is not a supported SVG command";
            return refuse();
        }

        // Failed short of the end: a number could not be read, and the loop would stall.
        if (ss.fail() && !ss.eof()) {
            return refuse();
        }
        ss >> pathCommand;
    }
    return true;
}

bool SVGParser::GetElementContent(const std::string& svgText, const std::string& elementName,
                                  std::string& elementContent, size_t& startPosContent,
                                  size_t& endPosContent) {
    size_t bareTagPos = svgText.find("<" + elementName + ">", startPosContent);
    return FindElement(svgText, elementName, elementContent, startPosContent, endPosContent,
                       bareTagPos);
}

// `bareTagPos` is where "<name>" was last found (npos: nowhere after the last search start).
// Search starts only move forward, so the position stays valid until the start passes it;
// without it every call would scan to the end of a text that has no such tag.
bool SVGParser::FindElement(const std::string& svgText, const std::string& elementName,
                            std::string& elementContent, size_t& startPosContent,
                            size_t& endPosContent, size_t& bareTagPos) {
    const std::string bareTag = "<" + elementName + ">";
    if (bareTagPos != std::string::npos && bareTagPos < startPosContent) {
        bareTagPos = svgText.find(bareTag, startPosContent);
    }

    size_t contentBegin{0};
    size_t contentEnd{0};
    if (bareTagPos != std::string::npos) {
        contentBegin = bareTagPos + bareTag.size();
        contentEnd = svgText.find("<" + elementName + "/>", contentBegin);
    } else {
        const size_t tagPos = svgText.find("<" + elementName, startPosContent);
        if (tagPos == std::string::npos) {
            return false;
        }
        contentBegin = tagPos + 1 + elementName.size();
        contentEnd = svgText.find("/>", contentBegin);
    }
    if (contentEnd == std::string::npos) {
        return false;
    }
    elementContent.assign(svgText, contentBegin, contentEnd - contentBegin);
    startPosContent = contentBegin;
    endPosContent = contentEnd;
    return true;
}

bool SVGParser::GetAttributeValue(const std::string& svgText, const std::string& attributeName,
                                  std::string& attributeValue) {
    const std::string searchAttributeName = attributeName + "=";
    const size_t namePos = svgText.find(searchAttributeName);
    if (namePos == std::string::npos) {
        return false;
    }
    const size_t openQuote = svgText.find('"', namePos);
    if (openQuote == std::string::npos) {
        return false;
    }
    const size_t closeQuote = svgText.find('"', openQuote + 1);
    if (closeQuote == std::string::npos) {
        return false;
    }
    attributeValue = svgText.substr(openQuote + 1, closeQuote - openQuote - 1);
    return true;
}

// Replacing " =" by "=" until none is left deletes exactly the runs of spaces that end at
// an "="; likewise for the other three patterns. Deleting a run never changes the
// characters that bound any other run, so one pass can decide every run from its two
// neighbours in the original text.
void SVGParser::RemoveSpaces(std::string& svgText) {
    const size_t length = svgText.size();
    size_t write{0};
    size_t read{0};
    char before{0};
    while (read < length) {
        if (svgText[read] != ' ') {
            before = svgText[read];
            svgText[write++] = svgText[read++];
            continue;
        }
        size_t runEnd = read;
        while (runEnd < length && svgText[runEnd] == ' ') {
            ++runEnd;
        }
        const char after = runEnd < length ? svgText[runEnd] : '\0';
        const bool drop =
            (read > 0 && (before == '=' || before == '<')) || after == '=' || after == '>';
        if (!drop) {
            for (; read < runEnd; ++read) {
                svgText[write++] = ' ';
            }
        }
        read = runEnd;
    }
    svgText.resize(write);
}

Pos2f SVGParser::FirstSvgPoint(std::stringstream& ss, Pos2f& cursor, char command, bool isClosed,
                               bool updateCursor) {
    if (!isClosed) {
        std::cerr << "SVGParser::FirstSvgPoint, expected 'Z' or 'z' command";
    }
    return ReadPointFrom(ss, cursor, command, updateCursor);
}

Pos2f SVGParser::NextSvgPoint(std::stringstream& ss, Pos2f& cursor, char command, bool isClosed,
                              bool updateCursor) {
    if (isClosed) {
        std::cerr << "SVGParser::NextSvgPoint, expected 'M' or 'm' command\n";
    }
    return ReadPointFrom(ss, cursor, command, updateCursor);
}

Pos2f SVGParser::ReadPointFrom(std::stringstream& ss, Pos2f& cursor, char command,
                               bool updateCursor) {
    Pos2f p = ReadSvgPoint(ss);
    if (IsRelative(command)) {
        p = Pos2f{cursor.x + p.x, cursor.y + p.y};
    }
    if (updateCursor) {
        cursor = p;
    }
    return p;
}

Pos2f SVGParser::NextSvgCoordX(std::stringstream& ss, Pos2f& cursor, char command, bool isClosed) {
    if (isClosed) {
        std::cerr << "SVGParser::NextSvgCoordX, expected 'M' or 'm' command\n";
    }
    const float c = ReadSvgNumber(ss);
    cursor.x = IsRelative(command) ? cursor.x + c : c;
    return cursor;
}

Pos2f SVGParser::NextSvgCoordY(std::stringstream& ss, Pos2f& cursor, char command, bool isClosed) {
    if (isClosed) {
        std::cerr << "SVGParser::NextSvgCoordY, expected 'M' or 'm' command\n";
    }
    const float c = ReadSvgNumber(ss);
    cursor.y = IsRelative(command) ? cursor.y + c : c;
    return cursor;
}

Pos2f SVGParser::ReadSvgPoint(std::stringstream& ss) {
    const float x = ReadSvgValue(ss, true);
    const float y = ReadSvgValue(ss, false);
    return Pos2f{x, y};
}

float SVGParser::ReadSvgValue(std::stringstream& ss, bool expectMore) {
    const float value = ReadSvgNumber(ss);
    SkipSvgComma(ss, expectMore);
    return value;
}

// At the end of the data the number reads as 0 and `ss` stays at its end. A number that
// cannot be read (no digits, or out of float range) leaves `ss` failed but not at its end,
// even where the bad number ran up to the end, so the parser can tell it from missing data.
float SVGParser::ReadSvgNumber(std::stringstream& ss) {
    ss >> std::ws;
    if (ss.eof()) {
        ss.setstate(std::ios::failbit);
        return 0.0f;
    }
    float value{0.0f};
    if (!(ss >> value)) {
        ss.clear((ss.rdstate() & ~std::ios::eofbit) | std::ios::failbit);
        return 0.0f;
    }
    return value;
}

void SVGParser::SkipSvgComma(std::stringstream& ss, bool expectMore) {
    char c{0};
    while (ss.get(c)) {
        if (c == ',') {
            return;
        }
        if (!IsSvgWhitespace(c)) {
            ss.unget();
            return;
        }
    }
    if (ss.eof() && expectMore) {
        std::cerr << "SVGParser::SkipSvgComma, expected comma or whitespace\n";
    }
}
