#include "files/ShiftJis.h"

#include <iconv.h>

#include <cerrno>

namespace sjis {
namespace {

std::optional<std::string> convert(const char* to, const char* from, const std::string& input) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string output(input.size() * 2 + 16, '\0');
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char* out = output.data();
    size_t outLeft = output.size();
    bool ok = true;
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1)) continue;
        if (errno != E2BIG) {
            ok = false;
            break;
        }
        const size_t used = output.size() - outLeft;
        output.resize(output.size() * 2);
        out = output.data() + used;
        outLeft = output.size() - used;
    }
    iconv_close(cd);
    if (!ok) return std::nullopt;
    output.resize(output.size() - outLeft);
    return output;
}

}  // namespace

std::optional<std::string> fromUtf8(const std::string& utf8) { return convert("CP932", "UTF-8", utf8); }

std::optional<std::string> toUtf8(const std::string& bytes) { return convert("UTF-8", "CP932", bytes); }

}  // namespace sjis
