#include "sim/ScpiLine.h"

#include <cctype>

namespace sim {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return out;
}

std::vector<std::string_view> splitAt(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

bool matchFrom(const auto& mnemonics, std::size_t next, const std::vector<std::string>& words,
               std::size_t word) {
    if (next == mnemonics.size()) {
        return word == words.size();
    }
    const auto& m = mnemonics[next];
    if (word < words.size() && (words[word] == m.shortForm || words[word] == m.longForm) &&
        matchFrom(mnemonics, next + 1, words, word + 1)) {
        return true;
    }
    return m.optional && matchFrom(mnemonics, next + 1, words, word);
}

}  // namespace

ScpiLine splitScpiLine(std::string_view line) {
    ScpiLine result;
    line = trim(line);
    std::size_t headerEnd = 0;
    while (headerEnd < line.size() && !isBlank(line[headerEnd])) {
        ++headerEnd;
    }
    std::string_view header = line.substr(0, headerEnd);
    if (!header.empty() && header.front() == ':') {
        header.remove_prefix(1);
    }
    if (!header.empty() && header.back() == '?') {
        result.query = true;
        header.remove_suffix(1);
    }
    result.header = std::string(header);
    const std::string_view paramText = trim(line.substr(headerEnd));
    if (!paramText.empty()) {
        for (std::string_view param : splitAt(paramText, ',')) {
            result.params.emplace_back(trim(param));
        }
    }
    return result;
}

HeaderPattern::HeaderPattern(std::string_view pattern) {
    std::string_view rest = pattern;
    while (!rest.empty()) {
        Mnemonic m;
        if (rest.front() == '[') {
            m.optional = true;
            rest.remove_prefix(1);
        }
        if (!rest.empty() && rest.front() == ':') {
            rest.remove_prefix(1);
        }
        std::size_t end = 0;
        while (end < rest.size() && rest[end] != ':' && rest[end] != '[' && rest[end] != ']') {
            ++end;
        }
        const std::string_view word = rest.substr(0, end);
        std::size_t shortLength = 0;
        while (shortLength < word.size() &&
               !std::islower(static_cast<unsigned char>(word[shortLength]))) {
            ++shortLength;
        }
        m.shortForm = upper(word.substr(0, shortLength));
        m.longForm = upper(word);
        mnemonics_.push_back(std::move(m));
        rest.remove_prefix(end);
        if (!rest.empty() && rest.front() == ']') {
            rest.remove_prefix(1);
        }
    }
}

bool HeaderPattern::matches(std::string_view header) const {
    std::vector<std::string> words;
    for (std::string_view word : splitAt(header, ':')) {
        words.push_back(upper(word));
    }
    return matchFrom(mnemonics_, 0, words, 0);
}

}  // namespace sim
