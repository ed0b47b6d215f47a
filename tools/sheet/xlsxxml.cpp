#include "xlsxxml.h"
#include "translation.h"

#include <charconv>

namespace check {
namespace {

constexpr std::size_t MaxInflatedBytes = std::size_t{1} << 30;

} // namespace

std::string_view localName(const XML_Char *name) {
    const std::string_view full(name);
    const std::size_t colon = full.find(':');
    return colon == std::string_view::npos ? full : full.substr(colon + 1);
}

const XML_Char *attribute(const XML_Char **attributes, std::string_view name) {
    for (; attributes[0]; attributes += 2)
        if (localName(attributes[0]) == name) return attributes[1];
    return nullptr;
}

std::string unescaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned code = 0;
        if (text[i] == '_' && i + 7 <= text.size() && text[i + 1] == 'x' && text[i + 6] == '_' &&
            std::from_chars(text.data() + i + 2, text.data() + i + 6, code, 16).ptr ==
                text.data() + i + 6 &&
            (code < 0xD800 || code > 0xDFFF)) { // a lone surrogate is no character
            if (code < 0x80) {
                out += static_cast<char>(code);
            } else if (code < 0x800) {
                out += static_cast<char>(0xC0 | code >> 6);
                out += static_cast<char>(0x80 | (code & 0x3F));
            } else {
                out += static_cast<char>(0xE0 | code >> 12);
                out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
                out += static_cast<char>(0x80 | (code & 0x3F));
            }
            i += 6;
            continue;
        }
        out += text[i];
    }
    return out;
}

XmlPart::XmlPart() : parser_(XML_ParserCreate(nullptr), XML_ParserFree) {
    XML_SetUserData(parser_.get(), this);
    XML_SetElementHandler(
        parser_.get(),
        [](void *data, const XML_Char *name, const XML_Char **attributes) {
            if (auto *part = static_cast<XmlPart *>(data); !part->stopped_)
                part->start(localName(name), attributes);
        },
        [](void *data, const XML_Char *name) {
            if (auto *part = static_cast<XmlPart *>(data); !part->stopped_)
                part->end(localName(name));
        });
    // Expat may deliver a few more events after a stop; they are not wanted.
    XML_SetCharacterDataHandler(parser_.get(), [](void *data, const XML_Char *text, int size) {
        if (auto *part = static_cast<XmlPart *>(data); !part->stopped_)
            part->text(std::string_view(text, static_cast<std::size_t>(size)));
    });
}

std::string XmlPart::parse(zip_t *zip, const std::string &name, std::size_t &inflated) {
    const std::unique_ptr<zip_file_t, int (*)(zip_file_t *)> file(zip_fopen(zip, name.c_str(), 0),
                                                                  zip_fclose);
    if (!file) return name + check::tr(" cannot be opened: ") + zip_strerror(zip);
    char buffer[64 * 1024];
    for (;;) {
        const zip_int64_t size = zip_fread(file.get(), buffer, sizeof buffer);
        if (size < 0) return name + check::tr(" cannot be read: ") + zip_file_strerror(file.get());
        inflated += static_cast<std::size_t>(size);
        if (inflated > MaxInflatedBytes)
            return check::tr("inflates to more than 1 GiB: not a bank");
        if (XML_Parse(parser_.get(), buffer, static_cast<int>(size), size == 0) != XML_STATUS_OK)
            break;
        if (size == 0) return problem_;
    }
    if (XML_GetErrorCode(parser_.get()) == XML_ERROR_ABORTED) return problem_;
    return name + check::tr(" is not well-formed XML: ") +
           XML_ErrorString(XML_GetErrorCode(parser_.get())) + check::tr(" at line ") +
           std::to_string(XML_GetCurrentLineNumber(parser_.get()));
}

void XmlPart::stop(std::string problem) {
    problem_ = std::move(problem);
    stopped_ = true;
    XML_StopParser(parser_.get(), XML_FALSE);
}

} // namespace check
