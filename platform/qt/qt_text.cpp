#include "platform/qt/qt_text.h"

#include "text/cp1252.h"

#include <array>

namespace {

// Decoding table, built once from the code page's own mapping.
const std::array<char16_t, 256>& DecodingTable() {
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        for (int byte = 0; byte < 256; ++byte) {
            t[static_cast<std::size_t>(byte)] =
                static_cast<char16_t>(Cp1252ToUnicode(static_cast<unsigned char>(byte)));
        }
        return t;
    }();
    return table;
}

// Writes straight into the string's storage: appending one QChar at a time
// costs several times as much, and a pane's text can be a megabyte.
QString Decode(const char* text, std::size_t size, bool joinBreaks) {
    const auto& table = DecodingTable();
    QString out(static_cast<qsizetype>(size), Qt::Uninitialized);
    char16_t* next = reinterpret_cast<char16_t*>(out.data());
    for (std::size_t i = 0; i < size; ++i) {
        unsigned char byte = static_cast<unsigned char>(text[i]);
        if (joinBreaks && byte == '\r') {
            *next++ = u'\n';
            if (i + 1 < size && text[i + 1] == '\n') ++i;
        } else {
            *next++ = table[byte];
        }
    }
    out.truncate(next - reinterpret_cast<const char16_t*>(out.constData()));
    return out;
}

} // namespace

char EncodeCp1252(char16_t unit) {
    // ASCII and the Latin-1 letters are their own bytes; only 0x80-0x9F and the
    // characters beyond 0xFF need the table.
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
    int byte = UnicodeToCp1252(unit);
    return byte < 0 ? '?' : static_cast<char>(byte);
}

std::string EncodeCp1252(QStringView text) {
    std::string out(static_cast<std::size_t>(text.size()), '\0');
    const char16_t* units = text.utf16();
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = EncodeCp1252(units[i]);
    return out;
}

QString DecodeCp1252(const char* text) {
    if (text == nullptr) return QString();
    std::size_t size = 0;
    while (text[size] != '\0')
        ++size;
    return Decode(text, size, false);
}

QString DecodeCp1252(const std::string& text) { return Decode(text.data(), text.size(), false); }

QString DecodePaneText(const char* text) {
    if (text == nullptr) return QString();
    std::size_t size = 0;
    while (text[size] != '\0')
        ++size;
    return Decode(text, size, true);
}

QString MakeStorable(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char16_t unit = text.at(i).unicode();
        if (unit == u'\r') {
            out.append(QChar(u'\n'));
            if (i + 1 < text.size() && text.at(i + 1) == QChar(u'\n')) ++i;
        } else if (unit == u'\n' || unit == QChar::LineSeparator ||
                   unit == QChar::ParagraphSeparator) {
            out.append(QChar(u'\n'));
        } else if (QChar::isHighSurrogate(unit) && i + 1 < text.size() &&
                   text.at(i + 1).isLowSurrogate()) {
            // One character outside the code page: one '?'.
            out.append(QChar(u'?'));
            ++i;
        } else if ((EncodeCp1252(unit) == '?' && unit != u'?') || unit == u'\0') {
            out.append(QChar(u'?'));
        } else {
            out.append(QChar(unit));
        }
    }
    return out;
}
