// The ":APPL?" reply: the field splitter and the set-point reader on any bytes.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/ReferenceNumbers.h"
#include "session/ReplyParsing.h"

namespace {

bool IsPlainField(const std::string& field) {
    for (char c : field) {
        const auto code = static_cast<unsigned char>(c);
        if (code <= 32 || c == ',' || c == '"') {
            return false;
        }
    }
    return !field.empty();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view reply(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> fields = SplitReplyFields(reply);

    std::size_t characters = 0;
    bool allPlain = true;
    for (const std::string& field : fields) {
        characters += field.size();
        allPlain = allPlain && IsPlainField(field);
    }
    // Doubled quotes shrink, nothing grows: the fields never hold more than the reply.
    if (characters > size) {
        std::abort();
    }
    // Plain fields written back as the instrument writes them split into the same fields.
    if (allPlain && !fields.empty()) {
        std::string joined;
        for (const std::string& field : fields) {
            joined += (joined.empty() ? "" : ",") + field;
        }
        if (SplitReplyFields(joined + "\n") != fields) {
            std::abort();
        }
    }

    // Set points only from exactly two fields that are whole numbers.
    const auto setPoints = ParseApplyReply(reply);
    if (fields.size() != 2) {
        if (setPoints) {
            std::abort();
        }
        return 0;
    }
    const fuzzref::Decimal voltage = fuzzref::ReadDecimal(fields[0]);
    const fuzzref::Decimal current = fuzzref::ReadDecimal(fields[1]);
    if (voltage.value && current.value) {
        if (!setPoints || setPoints->voltage != *voltage.value ||
            setPoints->current != *current.value) {
            std::abort();
        }
    } else if (setPoints && !(voltage.underflows || current.underflows)) {
        std::abort();
    }
    return 0;
}
