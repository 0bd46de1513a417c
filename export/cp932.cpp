#include "export/cp932.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>

namespace kelvara {

namespace {

// The length of the UTF-8 sequence that starts with lead; the input comes from QString::toUtf8,
// so it is well-formed.
std::size_t utf8_length(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    return 4;
}

class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

  private:
    iconv_t cd_;
};

}  // namespace

std::optional<QByteArray> to_cp932(const QString& text) {
    Converter converter("CP932", "UTF-8");
    if (!converter.valid()) return std::nullopt;

    QByteArray in = text.toUtf8();
    char* in_ptr = in.data();
    std::size_t in_left = static_cast<std::size_t>(in.size());
    // Code page 932 needs at most two bytes for a character that UTF-8 spells in one or more.
    QByteArray out(in.size() * 2 + 4, '\0');
    char* out_ptr = out.data();
    std::size_t out_left = static_cast<std::size_t>(out.size());

    while (in_left > 0) {
        if (iconv(converter.get(), &in_ptr, &in_left, &out_ptr, &out_left) !=
            static_cast<std::size_t>(-1)) {
            break;
        }
        if (errno != EILSEQ && errno != EINVAL) return std::nullopt;
        // Not representable: one "?" for the whole character, then carry on after it.
        const std::size_t skip =
            std::min(in_left, utf8_length(static_cast<unsigned char>(*in_ptr)));
        in_ptr += skip;
        in_left -= skip;
        *out_ptr++ = '?';
        --out_left;
    }
    out.truncate(out.size() - static_cast<qsizetype>(out_left));
    return out;
}

std::optional<QString> from_cp932(const QByteArray& bytes) {
    Converter converter("UTF-8", "CP932");
    if (!converter.valid()) return std::nullopt;
    QByteArray in = bytes;
    char* in_ptr = in.data();
    std::size_t in_left = static_cast<std::size_t>(in.size());
    // A Shift-JIS character of one or two bytes takes at most three bytes in UTF-8.
    QByteArray out(in.size() * 3 + 4, '\0');
    char* out_ptr = out.data();
    std::size_t out_left = static_cast<std::size_t>(out.size());
    if (iconv(converter.get(), &in_ptr, &in_left, &out_ptr, &out_left) ==
        static_cast<std::size_t>(-1)) {
        return std::nullopt;
    }
    out.truncate(out.size() - static_cast<qsizetype>(out_left));
    return QString::fromUtf8(out);
}

}  // namespace kelvara
