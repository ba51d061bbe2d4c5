// nuvelo-cli: the naming program's command-line front end.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "text/gbk.h"

using namespace nuvelo::cli;

namespace {

void printHelp() {
    std::printf("usage: nuvelo-cli COMMAND [ARGS] [--db FILE] [--json]\n\ncommands:\n");
    for (const Command& c : commands())
        std::printf("  %-10s %s\n", c.name.c_str(), nuvelo::text::toUtf8(c.synopsis).c_str());
    std::printf("\nTexts are UTF-8. Exit status: 0 success, 1 failure, 2 bad input.\n");
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> rest(argv + 1, argv + argc);
    if (rest.empty() || rest[0] == "--help" || rest[0] == "-h" || rest[0] == "help") {
        printHelp();
        return rest.empty() ? 2 : 0;
    }
    std::string name = rest[0];
    rest.erase(rest.begin());
    for (const Command& c : commands()) {
        if (c.name != name) continue;
        Args args = parseArgs(rest);
        if (args.help) {
            std::printf("usage: nuvelo-cli %s %s\n", c.name.c_str(), nuvelo::text::toUtf8(c.synopsis).c_str());
            return 0;
        }
        return c.run(args);
    }
    return badInput("unknown command: " + name + " (see --help)");
}
