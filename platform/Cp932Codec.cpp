#include "platform/Cp932Codec.h"

#include "platform/Cp932Character.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <cstdint>
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

// The code page 932 bytes of every character of the Basic Multilingual
// Plane met so far, as iconv converts it: 0 when not converted yet, else a
// mark bit, the byte count and the bytes, or the mark of a character without
// a code page 932 form. Converting each character once keeps the exchange-file
// import fast; every thread finds the same bytes, so the entries need no lock.
constexpr std::uint32_t knownMark = 0x1000000;
constexpr std::uint32_t noForm = 0xFFFFFFFF;
std::array<std::atomic<std::uint32_t>, 0x10000> knownCharacters{};

std::uint32_t codePointOf(std::string_view character)
{
    const auto byte = [&](std::size_t i) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(character[i]));
    };
    if (character.size() == 2)
        return ((byte(0) & 0x1F) << 6) | (byte(1) & 0x3F);
    return ((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
}

// Appends the bytes of a two- or three-byte UTF-8 character; false when it
// has no code page 932 form.
template <class Convert> bool appendKnownCharacter(std::string_view character, std::string& output, Convert& convert)
{
    std::atomic<std::uint32_t>& known = knownCharacters[codePointOf(character)];
    std::uint32_t entry = known.load(std::memory_order_relaxed);
    if (entry == 0) {
        std::string bytes;
        if (!convert(character, bytes))
            entry = noForm;
        else if (bytes.size() == 1)
            entry = knownMark | (1u << 16) | static_cast<unsigned char>(bytes[0]);
        else if (bytes.size() == 2)
            entry = knownMark | (2u << 16) | (static_cast<unsigned char>(bytes[0]) << 8)
                | static_cast<unsigned char>(bytes[1]);
        else {
            output += bytes;
            return !bytes.empty();
        }
        known.store(entry, std::memory_order_relaxed);
    }
    if (entry == noForm)
        return false;
    if (((entry >> 16) & 0xFF) == 2)
        output.push_back(static_cast<char>((entry >> 8) & 0xFF));
    output.push_back(static_cast<char>(entry & 0xFF));
    return true;
}

// One handle per direction and thread: opening a handle costs more than most
// conversions, and a handle keeps state while it converts, so threads that
// convert at the same time (the batch commands) never share one.
Converter& toUtf8Converter()
{
    thread_local Converter converter("UTF-8", "CP932");
    return converter;
}

Converter& toCp932Converter()
{
    thread_local Converter converter("CP932", "UTF-8");
    return converter;
}

}  // namespace

std::string cp932ToUtf8(std::string_view text)
{
    std::string result;
    result.reserve(text.size() * 3 / 2);
    Converter& converter = toUtf8Converter();
    if (converter.valid() && converter.convert(text, result))
        return result;
    result.clear();
    std::size_t pos = 0;
    while (pos < text.size()) {
        const unsigned char byte = static_cast<unsigned char>(text[pos]);
        const std::size_t length = characterLength(text, pos);
        if (!converter.valid() || !converter.convert(text.substr(pos, length), result))
            result.append(byte < 0x80 ? std::string_view(&text[pos], 1) : replacementUtf8);
        pos += length;
    }
    return result;
}

std::string utf8ToCp932(std::string_view text, int* replacedCount)
{
    int replaced = 0;
    std::string result;
    result.reserve(text.size());
    const auto convert = [](std::string_view character, std::string& output) {
        Converter& converter = toCp932Converter();
        return converter.valid() && converter.convert(character, output);
    };
    std::size_t pos = 0;
    while (pos < text.size()) {
        // ASCII is taken as it is, every other character converted on its own.
        const std::size_t length = utf8SequenceLength(text, pos);
        if (length == 1) {
            result.push_back(text[pos]);
            ++pos;
            continue;
        }
        const std::string_view character = text.substr(pos, length);
        const bool converted = length == 0 ? false
            : length <= 3                  ? appendKnownCharacter(character, result, convert)
                                           : convert(character, result);
        if (!converted) {
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
