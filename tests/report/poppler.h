#pragma once

#include <array>
#include <cstdio>
#include <string>

namespace tervalo::test {

// Standard output of a shell command, empty when it cannot run.
inline std::string CommandOutput(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        std::array<char, 4096> buffer;
        for (std::size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
            output.append(buffer.data(), n);
        pclose(pipe);
    }
    return output;
}

// Whether poppler's command-line tools (pdfinfo, pdftoppm, pdftotext) are installed. (Not from the echo of a
// shell that names the command it does not know, as Windows' does under wine.)
inline bool HavePoppler() {
    return CommandOutput("pdfinfo -v 2>&1").find("pdfinfo version") != std::string::npos;
}

}  // namespace tervalo::test
