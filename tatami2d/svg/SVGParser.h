#pragma once

#include "tatami2d/math/Pos2f.h"

#include <cstddef>
#include <sstream>
#include <string>
#include <vector>

// Loads polygon outlines from the straight-segment path data of SVG files: one outline per
// path element, in file order, with y flipped by the viewBox height so the outline stands
// upright in y-up coordinates. Only M m L l H h V v Z z are read; curves are refused.
// Nothing throws: failures are written to std::cerr and reported by a false result.
class SVGParser {
public:
    SVGParser() = delete;

    // Reads the file, joins its lines (dropping LF and CR LF), normalises spaces, reads every
    // path element and flips each y to viewBox height - y. On a file that cannot be opened or
    // read, `vertices` is untouched; on any other failure it is cleared. Outlines already in
    // `vertices` count as found and are flipped with the new ones.
    static bool GetVerticesFromSvgFile(const std::string& filePath,
                                       std::vector<std::vector<Pos2f>>& vertices);

    // Appends one outline per path element. False, with `vertices` cleared, when an element
    // has no end marker or no " d" attribute, or its data is refused or yields no point; false
    // also when no element is found and `vertices` was empty. An element's content never holds
    // the start of the next one: the search for the next element resumes after its end.
    static bool GetVerticesFromSvgString(const std::string& svgText,
                                         std::vector<std::vector<Pos2f>>& vertices);

    // Appends the points of one path-data string; subpaths share the sequence and a close
    // adds no point but returns the current point to the start of its subpath. Data that
    // cannot be read (a malformed or out-of-range number, arguments after a close) is refused.
    // On false `vertices` is as it was before the call.
    static bool GetVerticesFromPathData(const std::string& pathData, std::vector<Pos2f>& vertices);

    // Finds the first element named `elementName` at or after `startPosContent`, either as
    // "<name>" ... "<name/>" or as "<name" ... "/>" (the name is matched as a plain prefix).
    // On success the content lies in [startPosContent, endPosContent); on failure the
    // positions and the content are left unchanged.
    static bool GetElementContent(const std::string& svgText, const std::string& elementName,
                                  std::string& elementContent, size_t& startPosContent,
                                  size_t& endPosContent);

    // The text between the first two double quotes that follow the first occurrence of
    // `attributeName` + "=", verbatim. Single quotes are not recognised.
    static bool GetAttributeValue(const std::string& svgText, const std::string& attributeName,
                                  std::string& attributeValue);

    // Removes the spaces (not tabs) before and after every "=", before every ">" and after
    // every "<".
    static void RemoveSpaces(std::string& svgText);

    // The point readers of the path-data parser. Relative commands (lower case) add `cursor`.
    static Pos2f FirstSvgPoint(std::stringstream& ss, Pos2f& cursor, char command, bool isClosed,
                               bool updateCursor);
    static Pos2f NextSvgPoint(std::stringstream& ss, Pos2f& cursor, char command, bool isClosed,
                              bool updateCursor);
    static Pos2f NextSvgCoordX(std::stringstream& ss, Pos2f& cursor, char command, bool isClosed);
    static Pos2f NextSvgCoordY(std::stringstream& ss, Pos2f& cursor, char command, bool isClosed);
    static Pos2f ReadSvgPoint(std::stringstream& ss);
    // A value missing at the end of the data reads as 0; a value that cannot be read leaves
    // `ss` failed before its end, which the path-data parser refuses.
    static float ReadSvgValue(std::stringstream& ss, bool expectMore);
    static void SkipSvgComma(std::stringstream& ss, bool expectMore);

private:
    static bool FindElement(const std::string& svgText, const std::string& elementName,
                            std::string& elementContent, size_t& startPosContent,
                            size_t& endPosContent, size_t& bareTagPos);
    static float ReadSvgNumber(std::stringstream& ss);
    static Pos2f ReadPointFrom(std::stringstream& ss, Pos2f& cursor, char command,
                               bool updateCursor);
};
