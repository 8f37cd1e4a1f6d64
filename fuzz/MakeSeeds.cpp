// Writes the seed corpus of each fuzz target under the directory given: the replies the
// simulated instrument gives to the catalogue's commands, in each target's input layout.
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "scpi/CommandCatalogue.h"
#include "sim/InstrumentModel.h"

namespace {

namespace fs = std::filesystem;

void Write(const fs::path& directory, int& count, const std::string& bytes) {
    fs::create_directories(directory);
    std::ofstream(directory / ("seed" + std::to_string(count++)), std::ios::binary) << bytes;
}

std::string WithArgument(std::string line) {
    if (const auto at = line.find("%s"); at != std::string::npos) {
        line.replace(at, 2, line.starts_with(":APPL") ? "12.5,1.25" : "1");
    }
    return line;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: fuzz_seeds DIRECTORY\n";
        return 2;
    }
    const fs::path root = argv[1];
    sim::InstrumentModel instrument{sim::SimOptions{}};
    instrument.execute("OUTP ON");

    int dispatch = 0, apply = 0, numbers = 0, spin = 0, lines = 0;
    const auto rows = CommandCatalogue();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const CommandRow& row = rows[i];
        std::vector<std::string> sent;
        if (row.firstLine != nullptr) {
            sent.push_back(WithArgument(row.firstLine));
        }
        if (row.followUp != nullptr) {
            sent.push_back(row.followUp);
        }
        if (row.firstLine == nullptr && std::string(row.keyword).ends_with('?')) {
            sent.push_back(row.keyword);
        }
        for (const std::string& line : sent) {
            Write(root / "fuzz_sim_line", lines, line + "\n");
        }
        // The reply this row's id is dispatched with: the answer to its last query.
        std::string reply = "0\n";
        if (!sent.empty()) {
            if (const auto answer = instrument.execute(sent.back())) {
                reply = *answer + "\n";
            }
        }
        Write(root / "fuzz_dispatch_reply", dispatch, std::string(1, static_cast<char>(i)) + reply);
        Write(root / "fuzz_number_readers", numbers, reply);
        if (row.id == cmd::ApplyQuery) {
            Write(root / "fuzz_apply_fields", apply, reply);
            Write(root / "fuzz_apply_fields", apply, "\"12.500\",\"1.250\"\n");
        }
        // Spin edit: locale, format, precision and digits; a value; the reply as typed text.
        double value = 0;
        try {
            value = std::stod(reply);
        } catch (const std::exception&) {
        }
        std::string spinInput = {static_cast<char>(i % 4), static_cast<char>(i % 5), 9, 3};
        spinInput.append(reinterpret_cast<const char*>(&value), sizeof value);
        Write(root / "fuzz_spin_text", spin, spinInput + reply);
    }
    std::cout << "seeds: dispatch " << dispatch << ", apply " << apply << ", numbers " << numbers
              << ", spin " << spin << ", lines " << lines << "\n";
    return 0;
}
