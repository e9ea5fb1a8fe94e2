#include "XmlReader.h"

#include "XlServerTexts.h"

#include <cstdlib>

namespace
{
class Parser
{
public:
    explicit Parser(const std::string& text) : m_text(text) {}

    bool Document(XmlElement& root, FileProblem& problem)
    {
        bool ok = SkipMisc() && At('<') && Element(root, 0) && SkipMisc() && m_at == m_text.size();
        if (!ok)
            problem = FileProblem{m_problem ? m_problem : IDS_XML_UNEXPECTED, Line(), std::wstring()};
        return ok;
    }

private:
    static constexpr int kMaxDepth = 64;

    bool Fail(unsigned problem)
    {
        if (!m_problem)
            m_problem = problem;
        return false;
    }
    bool At(char c) const { return m_at < m_text.size() && m_text[m_at] == c; }
    bool Starts(const char* prefix) const
    {
        return m_text.compare(m_at, std::char_traits<char>::length(prefix), prefix) == 0;
    }
    static bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
    static bool IsNameChar(char c)
    {
        return c != '\0' && !IsSpace(c) && c != '<' && c != '>' && c != '/' && c != '=' && c != '"' && c != '\'' &&
               c != '&' && c != '?' && c != '!';
    }
    int Line() const
    {
        int line = 1;
        for (size_t i = 0; i < m_at && i < m_text.size(); ++i)
            line += m_text[i] == '\n';
        return line;
    }
    void SkipSpace()
    {
        while (m_at < m_text.size() && IsSpace(m_text[m_at]))
            ++m_at;
    }
    bool SkipPast(const char* end)
    {
        size_t found = m_text.find(end, m_at);
        if (found == std::string::npos)
            return Fail(IDS_XML_UNTERMINATED_MARKUP);
        m_at = found + std::char_traits<char>::length(end);
        return true;
    }
    // Blanks, comments and processing instructions outside the root element (the UTF-8 mark first).
    bool SkipMisc()
    {
        if (m_at == 0 && Starts("\xEF\xBB\xBF"))
            m_at = 3;
        for (;;)
        {
            SkipSpace();
            if (Starts("<?"))
            {
                if (!SkipPast("?>"))
                    return false;
            }
            else if (Starts("<!--"))
            {
                if (!SkipPast("-->"))
                    return false;
            }
            else if (Starts("<!"))
                return Fail(IDS_XML_DOCUMENT_TYPE);
            else
                return true;
        }
    }
    std::string Name()
    {
        size_t from = m_at;
        while (m_at < m_text.size() && IsNameChar(m_text[m_at]))
            ++m_at;
        return m_text.substr(from, m_at - from);
    }
    static std::string LocalName(const std::string& name)
    {
        size_t colon = name.find(':');
        return colon == std::string::npos ? name : name.substr(colon + 1);
    }
    static void AppendUtf8(std::string& out, unsigned long code)
    {
        if (code < 0x80)
            out += static_cast<char>(code);
        else if (code < 0x800)
        {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
        else if (code < 0x10000)
        {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
        else
        {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    // Character data up to the next '<' (or the quote that ends an attribute), references resolved.
    bool CharData(std::string& out, char end)
    {
        while (m_at < m_text.size() && m_text[m_at] != end)
        {
            char c = m_text[m_at];
            if (c == '<')
                return Fail(IDS_XML_LT_IN_ATTRIBUTE);
            if (c != '&')
            {
                out += c;
                ++m_at;
                continue;
            }
            size_t semicolon = m_text.find(';', m_at);
            if (semicolon == std::string::npos || semicolon - m_at > 12)
                return Fail(IDS_XML_UNTERMINATED_REFERENCE);
            std::string entity = m_text.substr(m_at + 1, semicolon - m_at - 1);
            m_at = semicolon + 1;
            if (entity == "lt")
                out += '<';
            else if (entity == "gt")
                out += '>';
            else if (entity == "amp")
                out += '&';
            else if (entity == "quot")
                out += '"';
            else if (entity == "apos")
                out += '\'';
            else if (entity.size() > 1 && entity[0] == '#')
            {
                const bool hex = entity[1] == 'x';
                char* end = nullptr;
                const char* digits = entity.c_str() + (hex ? 2 : 1);
                unsigned long code = std::strtoul(digits, &end, hex ? 16 : 10);
                if (*digits == '\0' || *end != '\0' || code == 0 || code > 0x10FFFF)
                    return Fail(IDS_XML_BAD_CHARACTER_REFERENCE);
                AppendUtf8(out, code);
            }
            else
                return Fail(IDS_XML_UNKNOWN_ENTITY);
        }
        return true;
    }
    bool Attributes(XmlElement& element)
    {
        for (;;)
        {
            SkipSpace();
            if (At('>') || At('/'))
                return true;
            std::string name = Name();
            if (name.empty())
                return Fail(IDS_XML_BAD_ATTRIBUTE);
            SkipSpace();
            if (!At('='))
                return Fail(IDS_XML_ATTRIBUTE_WITHOUT_VALUE);
            ++m_at;
            SkipSpace();
            if (!At('"') && !At('\''))
                return Fail(IDS_XML_ATTRIBUTE_WITHOUT_QUOTES);
            const char quote = m_text[m_at++];
            std::string value;
            if (!CharData(value, quote) || !At(quote))
                return Fail(IDS_XML_UNTERMINATED_ATTRIBUTE);
            ++m_at;
            element.attributes[LocalName(name)] = value;
        }
    }
    bool Element(XmlElement& element, int depth)
    {
        if (depth > kMaxDepth)
            return Fail(IDS_XML_TOO_DEEP);
        ++m_at;
        const std::string name = Name();
        if (name.empty())
            return Fail(IDS_XML_BAD_ELEMENT_NAME);
        element.name = LocalName(name);
        if (!Attributes(element))
            return false;
        if (Starts("/>"))
        {
            m_at += 2;
            return true;
        }
        ++m_at;
        for (;;)
        {
            if (m_at >= m_text.size())
                return Fail(IDS_XML_UNTERMINATED_ELEMENT);
            if (Starts("</"))
            {
                m_at += 2;
                if (Name() != name)
                    return Fail(IDS_XML_MISMATCHED_END_TAG);
                SkipSpace();
                if (!At('>'))
                    return Fail(IDS_XML_BAD_END_TAG);
                ++m_at;
                return true;
            }
            if (Starts("<!--"))
            {
                if (!SkipPast("-->"))
                    return false;
            }
            else if (Starts("<![CDATA["))
            {
                m_at += 9;
                size_t end = m_text.find("]]>", m_at);
                if (end == std::string::npos)
                    return Fail(IDS_XML_UNTERMINATED_CDATA);
                element.text += m_text.substr(m_at, end - m_at);
                m_at = end + 3;
            }
            else if (Starts("<?"))
            {
                if (!SkipPast("?>"))
                    return false;
            }
            else if (At('<'))
            {
                element.children.emplace_back();
                if (!Element(element.children.back(), depth + 1))
                    return false;
            }
            else if (!CharData(element.text, '<'))
                return false;
        }
    }

    const std::string& m_text;
    size_t m_at = 0;
    unsigned m_problem = 0;
};
}

const XmlElement* XmlElement::Child(const char* childName) const
{
    for (const XmlElement& child : children)
        if (child.name == childName)
            return &child;
    return nullptr;
}

std::string XmlElement::AllText() const
{
    std::string all = text;
    for (const XmlElement& child : children)
        all += child.AllText();
    return all;
}

bool ParseXml(const std::string& document, XmlElement& root, FileProblem& problem)
{
    root = XmlElement{};
    return Parser(document).Document(root, problem);
}
