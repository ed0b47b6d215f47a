#pragma once

// The XML parts of an .xlsx workbook as expat reads them from its zip archive, in bounded memory.

#include <expat.h>
#include <zip.h>

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace check {

// An element's name without its namespace prefix.
std::string_view localName(const XML_Char *name);

// The value of the attribute of that local name, or null.
const XML_Char *attribute(const XML_Char **attributes, std::string_view name);

// A string as stored in the workbook: "_xHHHH_" stands for the character U+HHHH (how a control
// character is written in XML), and "_x005F_" for an underscore that would otherwise start one.
std::string unescaped(std::string_view text);

// One part of the workbook parsed by expat; a part that has what it needs stops the parse.
class XmlPart {
public:
    XmlPart();
    virtual ~XmlPart() = default;
    XmlPart(const XmlPart &) = delete;
    XmlPart &operator=(const XmlPart &) = delete;

    // Parses the member name of zip, counting the bytes it inflates into inflated; "" or what
    // went wrong. Past 1 GiB inflated in all, a workbook is no bank.
    std::string parse(zip_t *zip, const std::string &name, std::size_t &inflated);

protected:
    virtual void start(std::string_view name, const XML_Char **attributes) = 0;
    virtual void end(std::string_view) {}
    virtual void text(std::string_view) {}

    // Ends the parse, with a problem or none.
    void stop(std::string problem = {});

private:
    std::unique_ptr<std::remove_pointer_t<XML_Parser>, void (*)(XML_Parser)> parser_;
    std::string problem_;
    bool stopped_ = false;
};

// The text of <t> elements, those of phonetic guides (<rPh>) left out.
class TextRuns {
public:
    void start(std::string_view name) {
        if (name == "rPh") ++phonetic_;
        if (name == "t" && phonetic_ == 0) inText_ = true;
    }
    void end(std::string_view name) {
        if (name == "rPh") --phonetic_;
        if (name == "t") inText_ = false;
    }
    void add(std::string_view text, std::string &into) const {
        if (inText_) into += text;
    }

private:
    int phonetic_ = 0;
    bool inText_ = false;
};

} // namespace check
