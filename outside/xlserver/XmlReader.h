// A small XML reader for the workbook files: elements with attributes and text, comments, processing instructions,
// CDATA and the character references. Names lose their namespace prefix; a document type is refused.
#pragma once

#include <map>
#include <string>
#include <vector>

struct XmlElement
{
    std::string name;                               // local name, without its prefix
    std::map<std::string, std::string> attributes;  // by local name; values with references resolved (UTF-8)
    std::vector<XmlElement> children;
    std::string text;  // the element's own character data (UTF-8), children's not

    const XmlElement* Child(const char* childName) const;
    // The element's text and that of every element inside it, in document order.
    std::string AllText() const;
};

// Why a file is no workbook: a text of the server's string table (XlServerTexts.h) with the line where the problem
// was found (texts of the XML) or what it names (texts of the workbook, line 0).
struct FileProblem
{
    unsigned text = 0;
    int line = 0;
    std::wstring detail;
};

// Parses a whole document. False with the problem when it is not well-formed.
bool ParseXml(const std::string& document, XmlElement& root, FileProblem& problem);
