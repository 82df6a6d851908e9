#pragma once

#include "tatami2d/math/Pos2f.h"

#include <cstddef>
#include <sstream>
#include <string>
#include <vector>

namespace tatami2d {

/// \file
/// Polygon outlines from the straight-segment path data of SVG files.

/// Loads polygon outlines from the straight-segment path data of SVG files: one outline per
/// path element, in file order, with y flipped by the viewBox height so the outline stands
/// upright in y-up coordinates. Only M m L l H h V v Z z are read; curves are refused.
/// Nothing throws, not even when memory runs out: failures are logged (see SetLogSink) and
/// reported by a false result. Stateless: every operation is static and may run on any
/// thread that owns its arguments.
class SVGParser {
public:
    SVGParser() = delete;

    /// Reads a regular file (anything else, such as a directory, a FIFO or a device, is refused
    /// unopened), joins its lines (dropping LF and CR LF), normalises spaces, reads every path
    /// element and flips each y to viewBox height - y. When the file cannot be read, or memory
    /// runs out, `vertices` is untouched; on any other failure, including a flip that leaves
    /// the float range, it is cleared. Outlines already in `vertices` count as found and are
    /// flipped with the new ones.
    static bool GetVerticesFromSvgFile(const std::string& filePath,
                                       std::vector<std::vector<Pos2f>>& vertices);

    /// Appends one outline per element that GetElementContent finds in turn, each search
    /// resuming at the start of the previous element's content: an element that starts inside
    /// another is read as well, from the first `" d"` attribute of its own content. False, with
    /// `vertices` cleared, when an element has no `" d"` attribute, its data is refused or yields
    /// no point, nested elements would read the same data again for more characters than the
    /// text holds, or the text ends inside an element: a `"<path"` with no end marker after it
    /// and no `"</svg>"` either. A `"<path"` with no end marker that the root's `"</svg>"` follows
    /// (a comment or a description mentioning it) only ends the search. False also when no
    /// element is found and `vertices` was empty.
    static bool GetVerticesFromSvgString(const std::string& svgText,
                                         std::vector<std::vector<Pos2f>>& vertices);

    /// Appends the points of one path-data string; subpaths share the sequence and a close
    /// adds no point but returns the current point to the start of its subpath. Data that
    /// cannot be read (a malformed or out-of-range number, a point that relative steps carry
    /// out of the float range, arguments after a close) is refused. On false `vertices` is as
    /// it was before the call.
    static bool GetVerticesFromPathData(const std::string& pathData, std::vector<Pos2f>& vertices);

    /// Finds the first element named `elementName` at or after `startPosContent`. When `"<name>"`
    /// occurs anywhere from there on, even behind other `"<name"` tags, the content runs from
    /// after it to the next `"<name/>"` (false when there is none). Otherwise it runs from after
    /// the first `"<name"` (matched as a plain prefix, so it starts with the attributes) to
    /// whichever comes first of `"/>"` and `"</name>"` (false when neither follows). Markers are
    /// plain text: one inside a quoted value or a comment counts. On success the content lies
    /// in [startPosContent, endPosContent); on failure the positions and the content are left
    /// unchanged.
    static bool GetElementContent(const std::string& svgText, const std::string& elementName,
                                  std::string& elementContent, size_t& startPosContent,
                                  size_t& endPosContent);

    /// The value of the first occurrence of `attributeName` + `"="`: the text, verbatim, after
    /// the first quote (" or ') at or after that occurrence, up to the next quote of the same
    /// kind. False, with `attributeValue` untouched, when the name or either quote is missing.
    static bool GetAttributeValue(const std::string& svgText, const std::string& attributeName,
                                  std::string& attributeValue);

    /// Removes the spaces (not tabs) before and after every `"="`, before every `">"` and after
    /// every `"<"`.
    static void RemoveSpaces(std::string& svgText);

    /// The point readers of the path-data parser. Relative commands (lower case) add `cursor`.
    /// A point outside the float range leaves `ss` failed before its end, as an unreadable
    /// number does, which the path-data parser refuses.
    ///@{
    static Pos2f FirstSvgPoint(std::stringstream& ss, Pos2f& cursor, char command, bool isClosed,
                               bool updateCursor);
    static Pos2f NextSvgPoint(std::stringstream& ss, Pos2f& cursor, char command, bool isClosed,
                              bool updateCursor);
    static Pos2f NextSvgCoordX(std::stringstream& ss, Pos2f& cursor, char command, bool isClosed);
    static Pos2f NextSvgCoordY(std::stringstream& ss, Pos2f& cursor, char command, bool isClosed);
    static Pos2f ReadSvgPoint(std::stringstream& ss);
    ///@}
    /// A value missing at the end of the data reads as 0; a value that cannot be read leaves
    /// `ss` failed before its end, which the path-data parser refuses.
    static float ReadSvgValue(std::stringstream& ss, bool expectMore);
    /// Skips whitespace and at most one comma; logs a message when the data ends here
    /// although expectMore says another value follows.
    static void SkipSvgComma(std::stringstream& ss, bool expectMore);
};

} // namespace tatami2d
