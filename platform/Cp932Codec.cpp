#include "platform/Cp932Codec.h"

#include <cerrno>
#include <iconv.h>

namespace kolv {

namespace {

constexpr std::string_view replacementUtf8 = "\xEF\xBF\xBD";
constexpr std::string_view geta = "\x81\xAC";  // 〓 in code page 932

class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (handle_ != reinterpret_cast<iconv_t>(-1))
            iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // Converts one piece; false when the piece is not convertible as a whole.
    bool convert(std::string_view input, std::string& output)
    {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        std::string buffer(input.size() * 4 + 16, '\0');
        char* out = buffer.data();
        std::size_t outLeft = buffer.size();
        if (iconv(handle_, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1))
            return false;
        if (iconv(handle_, nullptr, nullptr, &out, &outLeft) == static_cast<std::size_t>(-1))
            return false;
        output.append(buffer.data(), buffer.size() - outLeft);
        return true;
    }

private:
    iconv_t handle_;
};

std::size_t utf8SequenceLength(std::string_view text, std::size_t pos)
{
    const unsigned char first = static_cast<unsigned char>(text[pos]);
    std::size_t length = 0;
    if (first < 0x80)
        return 1;
    if (first >= 0xC2 && first <= 0xDF)
        length = 2;
    else if (first >= 0xE0 && first <= 0xEF)
        length = 3;
    else if (first >= 0xF0 && first <= 0xF4)
        length = 4;
    else
        return 0;
    if (pos + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[pos + i]) & 0xC0) != 0x80)
            return 0;
    }
    const unsigned char second = static_cast<unsigned char>(text[pos + 1]);
    if ((first == 0xE0 && second < 0xA0) || (first == 0xED && second > 0x9F) || (first == 0xF0 && second < 0x90)
        || (first == 0xF4 && second > 0x8F))
        return 0;
    return length;
}

}  // namespace

std::string cp932ToUtf8(std::string_view text)
{
    std::string result;
    result.reserve(text.size() * 3 / 2);
    Converter converter("UTF-8", "CP932");
    if (converter.valid() && converter.convert(text, result))
        return result;
    result.clear();
    std::size_t pos = 0;
    while (pos < text.size()) {
        const unsigned char byte = static_cast<unsigned char>(text[pos]);
        std::size_t length = 1;
        if (((byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC)) && pos + 1 < text.size())
            length = 2;
        if (!converter.valid() || !converter.convert(text.substr(pos, length), result)) {
            if (length == 2 && byte < 0x80)
                length = 1;
            result.append(byte < 0x80 ? std::string_view(&text[pos], 1) : replacementUtf8);
        }
        pos += length;
    }
    return result;
}

std::string utf8ToCp932(std::string_view text, int* replacedCount)
{
    int replaced = 0;
    std::string result;
    result.reserve(text.size());
    Converter converter("CP932", "UTF-8");
    std::size_t pos = 0;
    while (pos < text.size()) {
        // Convert runs of ASCII directly, everything else a character at a time.
        const std::size_t length = utf8SequenceLength(text, pos);
        if (length == 1) {
            result.push_back(text[pos]);
            ++pos;
            continue;
        }
        if (length == 0 || !converter.valid() || !converter.convert(text.substr(pos, length), result)) {
            result.append(geta);
            ++replaced;
        }
        pos += length == 0 ? 1 : length;
    }
    if (replacedCount)
        *replacedCount = replaced;
    return result;
}

bool looksLikeUtf8(std::string_view bytes)
{
    bool multiByte = false;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t length = utf8SequenceLength(bytes, pos);
        if (length == 0)
            return false;
        multiByte = multiByte || length > 1;
        pos += length;
    }
    return multiByte;
}

Utf8Census takeUtf8Census(std::string_view bytes)
{
    Utf8Census census;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t length = utf8SequenceLength(bytes, pos);
        if (length == 0)
            ++census.strayBytes;
        else if (length > 1)
            ++census.multiByteSequences;
        pos += length == 0 ? 1 : length;
    }
    return census;
}

}  // namespace kolv
