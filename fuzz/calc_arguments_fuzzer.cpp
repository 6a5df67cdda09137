// Arbitrary command lines of tervalo-calc: the input's lines are the arguments.
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "programs/tervalo-calc/calc_arguments.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> arguments;
    std::string_view rest = fuzz::Bytes(data, size);
    for (std::size_t end; (end = rest.find('\n')) != std::string_view::npos; rest.remove_prefix(end + 1))
        arguments.emplace_back(rest.substr(0, end));
    if (!rest.empty()) arguments.emplace_back(rest);
    tervalo::ParseCalcArguments(arguments);
    return 0;
}
