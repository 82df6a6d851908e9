#include "tatami2d/svg/SVGParser.h"

#include "tatami2d/app/LogOutput.h"
#include "tatami2d/math/Box2f.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <new>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

namespace tatami2d {

namespace {

constexpr size_t npos = std::string_view::npos;

bool IsRelative(char command) {
    return command >= 'a' && command <= 'z';
}

bool IsSvgWhitespace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Failed, but not at its end: how the path-data parser tells data it cannot read from data
// that ran out.
void MarkUnreadable(std::stringstream& ss) {
    ss.clear((ss.rdstate() & ~std::ios::eofbit) | std::ios::failbit);
}

// At the end of the data the number reads as 0 and `ss` stays at its end. A number that
// cannot be read (no digits, or out of float range) leaves `ss` unreadable, even where the
// bad number ran up to the end.
float ReadSvgNumber(std::stringstream& ss) {
    ss >> std::ws;
    if (ss.eof()) {
        ss.setstate(std::ios::failbit);
        return 0.0f;
    }
    float value{0.0f};
    if (!(ss >> value)) {
        MarkUnreadable(ss);
        return 0.0f;
    }
    return value;
}

// A point that leaves the float range is refused like a number that does.
Pos2f Checked(std::stringstream& ss, Pos2f p) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
        MarkUnreadable(ss);
    }
    return p;
}

Pos2f ReadPointFrom(std::stringstream& ss, Pos2f& cursor, char command, bool updateCursor) {
    Pos2f p = SVGParser::ReadSvgPoint(ss);
    if (IsRelative(command)) {
        p = Pos2f{cursor.x + p.x, cursor.y + p.y};
    }
    if (updateCursor) {
        cursor = p;
    }
    return Checked(ss, p);
}

// Allocation failures are the one thing the standard library throws at the loader; each
// public operation turns them into a false result with a message naming `where`.
template <typename Operation>
bool WithoutThrowing(const char* where, Operation operation) {
    try {
        return operation();
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    WriteLog({where, ", out of memory\n"});
    return false;
}

// Drops what was appended to `vertices` since it held `size` entries.
template <typename T>
void Truncate(std::vector<T>& vertices, size_t size) {
    if (vertices.size() > size) {
        vertices.erase(vertices.begin() + static_cast<std::ptrdiff_t>(size), vertices.end());
    }
}

// Finds `pattern` for a run of searches whose starts never move back. A find that the start
// has not passed yet answers the next search too, so the whole run reads the text once
// however many searches it makes.
class ForwardFind {
public:
    ForwardFind(std::string_view text, std::string_view pattern) : text{text}, pattern{pattern} {}

    size_t From(size_t start) {
        if (!searched || (found != npos && found < start)) {
            found = text.find(pattern, start);
            searched = true;
        }
        return found;
    }

private:
    std::string_view text;
    std::string_view pattern;
    size_t found{npos};
    bool searched{false};
};

// The element search of GetElementContent, kept across the elements of one text so that an
// element whose end lies far away does not make every later element read up to it again.
class ElementSearch {
public:
    ElementSearch(std::string_view text, const std::string& name)
        : bareTag{"<" + name + ">"}, bareEnd{"<" + name + "/>"}, tag{"<" + name},
          closingTag{"</" + name + ">"}, bareTags{text, bareTag}, bareEnds{text, bareEnd},
          tags{text, tag}, emptyEnds{text, "/>"}, closingTags{text, closingTag} {}
    ElementSearch(const ElementSearch&) = delete;
    ElementSearch& operator=(const ElementSearch&) = delete;

    // Starts must grow from call to call, as the content begins returned here do. On false,
    // `unterminated` is the start tag that has no end marker (npos when there is none).
    bool Next(size_t start, size_t& contentBegin, size_t& contentEnd) {
        size_t tagAt = bareTags.From(start);
        if (tagAt != npos) {
            contentBegin = tagAt + bareTag.size();
            contentEnd = bareEnds.From(contentBegin);
        } else {
            tagAt = tags.From(start);
            if (tagAt == npos) {
                unterminated = npos;
                return false;
            }
            contentBegin = tagAt + tag.size();
            contentEnd = std::min(emptyEnds.From(contentBegin), closingTags.From(contentBegin));
        }
        unterminated = contentEnd == npos ? tagAt : npos;
        return contentEnd != npos;
    }

    size_t unterminated{npos};

private:
    const std::string bareTag;
    const std::string bareEnd;
    const std::string tag;
    const std::string closingTag;
    ForwardFind bareTags;
    ForwardFind bareEnds;
    ForwardFind tags;
    ForwardFind emptyEnds;
    ForwardFind closingTags;
};

// The attribute search of GetAttributeValue within [begin, end), kept across calls like the
// element search. Begins must grow from call to call.
class AttributeSearch {
public:
    AttributeSearch(std::string_view text, const std::string& name)
        : searchName{name + "="}, names{text, searchName}, doubleOpens{text, "\""},
          singleOpens{text, "'"}, doubleCloses{text, "\""}, singleCloses{text, "'"} {}
    AttributeSearch(const AttributeSearch&) = delete;
    AttributeSearch& operator=(const AttributeSearch&) = delete;

    bool Find(size_t begin, size_t end, size_t& valueBegin, size_t& valueEnd) {
        const size_t nameAt = names.From(begin);
        if (nameAt == npos || nameAt + searchName.size() > end) {
            return false;
        }
        const size_t doubleAt = doubleOpens.From(nameAt);
        const size_t quoteAt = std::min(doubleAt, singleOpens.From(nameAt));
        if (quoteAt >= end) {
            return false;
        }
        const size_t closeAt =
            (quoteAt == doubleAt ? doubleCloses : singleCloses).From(quoteAt + 1);
        if (closeAt >= end) {
            return false;
        }
        valueBegin = quoteAt + 1;
        valueEnd = closeAt;
        return true;
    }

private:
    const std::string searchName;
    ForwardFind names;
    ForwardFind doubleOpens;
    ForwardFind singleOpens;
    ForwardFind doubleCloses;
    ForwardFind singleCloses;
};

bool FindAttributeValue(const std::string& svgText, const std::string& attributeName,
                        std::string& attributeValue) {
    AttributeSearch search{svgText, attributeName};
    size_t valueBegin{0};
    size_t valueEnd{0};
    if (!search.Find(0, svgText.size(), valueBegin, valueEnd)) {
        return false;
    }
    attributeValue.assign(svgText, valueBegin, valueEnd - valueBegin);
    return true;
}

bool ReadPathData(const std::string& pathData, std::vector<Pos2f>& vertices) {
    const size_t sizeBefore = vertices.size();
    const auto refuse = [&vertices, sizeBefore]() {
        Truncate(vertices, sizeBefore);
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
                cursor = SVGParser::FirstSvgPoint(ss, cursor, command, isClosed, true);
                vertices.push_back(cursor);
                startPoint = cursor;
                isClosed = false;
            } else {
                vertices.push_back(SVGParser::NextSvgPoint(ss, cursor, command, isClosed, true));
            }
            break;
        case 'L':
        case 'l':
            vertices.push_back(SVGParser::NextSvgPoint(ss, cursor, command, isClosed, true));
            break;
        case 'H':
        case 'h':
            vertices.push_back(SVGParser::NextSvgCoordX(ss, cursor, command, isClosed));
            break;
        case 'V':
        case 'v':
            vertices.push_back(SVGParser::NextSvgCoordY(ss, cursor, command, isClosed));
            break;
        case 'Z':
        case 'z':
            isClosed = true;
            cursor = startPoint;
            break;
        case 'C':
        case 'c':
            WriteLog({"SVGParser::GetVerticesFromPathData,  beziers are not supported.\n"
                      "Have another look at the guide, or select all nodes in inkscape and "
                      "press shift + L\n"});
            return refuse();
        default:
            WriteLog({"SVGParser::GetVerticesFromPathData, ", std::string_view{&command, 1},
                      " is not a supported SVG command"});
            return refuse();
        }

        // Failed short of the end: a number or point could not be read, and the loop would
        // stall.
        if (ss.fail() && !ss.eof()) {
            return refuse();
        }
        ss >> pathCommand;
    }
    return true;
}

bool ReadSvgText(std::string_view svgText, std::vector<std::vector<Pos2f>>& vertices) {
    ElementSearch paths{svgText, "path"};
    // The leading space keeps attributes such as id from being taken for d.
    AttributeSearch pathData{svgText, " d"};
    size_t startPosContent{0};
    size_t endPosContent{0};
    size_t lastBegin{npos};
    size_t lastEnd{npos};
    size_t reread{0};
    while (paths.Next(startPosContent, startPosContent, endPosContent)) {
        size_t valueBegin{0};
        size_t valueEnd{0};
        if (!pathData.Find(startPosContent, endPosContent, valueBegin, valueEnd)) {
            WriteLog({"SVGParser::GetVerticesFromSvgString(..), path element doesn't contain "
                      "a d-attribute.\n "});
            vertices.clear();
            return false;
        }
        // An element that starts inside the previous one, before its d attribute, reads that
        // attribute again. Bounding the data read again by the size of the text keeps a text
        // of nested start tags from costing time and memory in the square of its size.
        if (valueBegin == lastBegin && valueEnd == lastEnd) {
            reread += valueEnd - valueBegin;
            if (reread > svgText.size()) {
                WriteLog({"SVGParser::GetVerticesFromSvgString(..), path elements nested in "
                          "one another read the same data too often.\n"});
                vertices.clear();
                return false;
            }
        }
        lastBegin = valueBegin;
        lastEnd = valueEnd;

        std::vector<Pos2f> verticesVector;
        const std::string pathDataValue{svgText.substr(valueBegin, valueEnd - valueBegin)};
        if (!ReadPathData(pathDataValue, verticesVector)) {
            WriteLog({"SVGParser::GetVerticesFromSvgString(..), error while extracting "
                      "vertices from the path. \n"});
            vertices.clear();
            return false;
        }
        if (verticesVector.empty()) {
            WriteLog({"Empty verticesVector in GetVerticesFromSvgString(..), no vertices "
                      "found in the path element\n"});
            vertices.clear();
            return false;
        }
        vertices.push_back(std::move(verticesVector));
    }
    // A start tag without an end marker ends the search. In a well-formed file that is text
    // that mentions the tag (a comment, a description), and the root still closes after it;
    // otherwise the file ends inside the element, and accepting it would drop that element
    // and every one after it unnoticed.
    if (paths.unterminated != npos && svgText.find("</svg>", paths.unterminated) == npos) {
        WriteLog({"SVGParser::GetVerticesFromSvgString(..), path element isn't terminated.\n"});
        vertices.clear();
        return false;
    }
    if (vertices.empty()) {
        WriteLog({"Empty vertices in GetVerticesFromSvgString(..), no path element(s) found\n"});
        return false;
    }
    return true;
}

// Reads a regular file whole and joins its lines: each LF, and the CR of each CR LF, is
// dropped. Anything else is refused before it is opened: a FIFO would block the open, and
// a device such as /dev/zero would never end.
bool ReadJoinedLines(const std::string& filePath, std::string& text) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(filePath, error)) {
        return false;
    }
    std::ifstream stream{filePath, std::ios::binary};
    if (!stream.is_open()) {
        return false;
    }
    // One allocation for the whole text instead of a chain of growing copies; a file that
    // could never fit is refused here, one that does not fit now throws.
    const std::uintmax_t fileSize = std::filesystem::file_size(filePath, error);
    if (!error) {
        if (fileSize > text.max_size()) {
            return false;
        }
        text.reserve(static_cast<size_t>(fileSize));
    }
    // On the heap: as much on the stack would overflow the small stacks of threads and of
    // browsers' builds.
    std::vector<char> buffer(std::size_t{1} << 16);
    while (stream.read(buffer.data(), static_cast<std::streamsize>(buffer.size())) ||
           stream.gcount() > 0) {
        text.append(buffer.data(), static_cast<size_t>(stream.gcount()));
    }
    if (stream.bad()) {
        return false;
    }
    size_t write{0};
    for (size_t read = 0; read < text.size(); ++read) {
        const char c = text[read];
        if (c == '\n' || (c == '\r' && read + 1 < text.size() && text[read + 1] == '\n')) {
            continue;
        }
        text[write++] = c;
    }
    text.resize(write);
    return true;
}

} // namespace

bool SVGParser::GetVerticesFromSvgFile(const std::string& filePath,
                                       std::vector<std::vector<Pos2f>>& vertices) {
    const size_t sizeBefore = vertices.size();
    try {
        std::string svgString;
        if (!ReadJoinedLines(filePath, svgString)) {
            WriteLog({"SVGParser::GetVerticesFromSvgFile(..), failed to load vertices from file ",
                      filePath, "\n"});
            return false;
        }
        RemoveSpaces(svgString);
        if (!ReadSvgText(svgString, vertices)) {
            WriteLog({"SVGParser::GetVerticesFromSvgFile(..), malformed or unsupported "
                      "information in file ",
                      filePath, "\n"});
            return false;
        }

        std::string viewBoxValue;
        if (!FindAttributeValue(svgString, "viewBox", viewBoxValue)) {
            WriteLog({"SVGParser::GetVerticesFromSvgFile(..), no viewbox information found in ",
                      filePath, "\n"});
            vertices.clear();
            return false;
        }

        // A field whose number cannot be read (a comma, or a value out of float range) stays
        // 0, and so do the fields after it.
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
                // The flip can leave the float range, which the path data may not.
                if (!std::isfinite(point.y)) {
                    WriteLog({"SVGParser::GetVerticesFromSvgFile(..), malformed or "
                              "unsupported information in file ",
                              filePath, "\n"});
                    vertices.clear();
                    return false;
                }
            }
        }
        return true;
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    // Out of memory: the file could not be loaded, whatever it holds.
    Truncate(vertices, sizeBefore);
    WriteLog({"SVGParser::GetVerticesFromSvgFile(..), failed to load vertices from file ", filePath,
              "\n"});
    return false;
}

bool SVGParser::GetVerticesFromSvgString(const std::string& svgText,
                                         std::vector<std::vector<Pos2f>>& vertices) {
    if (WithoutThrowing("SVGParser::GetVerticesFromSvgString(..)",
                        [&] { return ReadSvgText(svgText, vertices); })) {
        return true;
    }
    vertices.clear();
    return false;
}

bool SVGParser::GetVerticesFromPathData(const std::string& pathData, std::vector<Pos2f>& vertices) {
    const size_t sizeBefore = vertices.size();
    if (WithoutThrowing("SVGParser::GetVerticesFromPathData",
                        [&] { return ReadPathData(pathData, vertices); })) {
        return true;
    }
    Truncate(vertices, sizeBefore);
    return false;
}

bool SVGParser::GetElementContent(const std::string& svgText, const std::string& elementName,
                                  std::string& elementContent, size_t& startPosContent,
                                  size_t& endPosContent) {
    return WithoutThrowing("SVGParser::GetElementContent", [&] {
        ElementSearch search{svgText, elementName};
        size_t contentBegin{0};
        size_t contentEnd{0};
        if (!search.Next(startPosContent, contentBegin, contentEnd)) {
            return false;
        }
        elementContent.assign(svgText, contentBegin, contentEnd - contentBegin);
        startPosContent = contentBegin;
        endPosContent = contentEnd;
        return true;
    });
}

bool SVGParser::GetAttributeValue(const std::string& svgText, const std::string& attributeName,
                                  std::string& attributeValue) {
    return WithoutThrowing("SVGParser::GetAttributeValue", [&] {
        return FindAttributeValue(svgText, attributeName, attributeValue);
    });
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
        WriteLog({"SVGParser::FirstSvgPoint, expected 'Z' or 'z' command"});
    }
    return ReadPointFrom(ss, cursor, command, updateCursor);
}

Pos2f SVGParser::NextSvgPoint(std::stringstream& ss, Pos2f& cursor, char command, bool isClosed,
                              bool updateCursor) {
    if (isClosed) {
        WriteLog({"SVGParser::NextSvgPoint, expected 'M' or 'm' command\n"});
    }
    return ReadPointFrom(ss, cursor, command, updateCursor);
}

Pos2f SVGParser::NextSvgCoordX(std::stringstream& ss, Pos2f& cursor, char command, bool isClosed) {
    if (isClosed) {
        WriteLog({"SVGParser::NextSvgCoordX, expected 'M' or 'm' command\n"});
    }
    const float c = ReadSvgNumber(ss);
    cursor.x = IsRelative(command) ? cursor.x + c : c;
    return Checked(ss, cursor);
}

Pos2f SVGParser::NextSvgCoordY(std::stringstream& ss, Pos2f& cursor, char command, bool isClosed) {
    if (isClosed) {
        WriteLog({"SVGParser::NextSvgCoordY, expected 'M' or 'm' command\n"});
    }
    const float c = ReadSvgNumber(ss);
    cursor.y = IsRelative(command) ? cursor.y + c : c;
    return Checked(ss, cursor);
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
        WriteLog({"SVGParser::SkipSvgComma, expected comma or whitespace\n"});
    }
}

} // namespace tatami2d
