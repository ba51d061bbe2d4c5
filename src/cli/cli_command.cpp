#include "cli/cli_command.h"

#include <cstdio>
#include <set>

#include "refdata/reference_load.h"
#include "settings/program_paths.h"
#include "text/gbk.h"

namespace nuvelo::cli {

namespace {
const std::set<std::string> kValueOptions = {"--db",     "--surname", "--sex",    "--length", "--chars",
                                             "--given",  "--style",   "--second", "--third",  "--filter",
                                             "--seed",   "-o",        "--out",    "--limit"};
}

std::string Args::option(const std::string& name, const std::string& fallback) const {
    auto it = options.find(name);
    return it == options.end() ? fallback : it->second;
}

Args parseArgs(const std::vector<std::string>& argv) {
    Args args;
    for (std::size_t i = 0; i < argv.size(); ++i) {
        const std::string& a = argv[i];
        if (a == "--json") args.json = true;
        else if (a == "--help" || a == "-h") args.help = true;
        else if (kValueOptions.count(a) && i + 1 < argv.size()) args.options[a] = argv[++i];
        else if (a.size() > 1 && a[0] == '-' && !(a[1] >= '0' && a[1] <= '9')) args.options[a] = "";
        else args.positional.push_back(a);
    }
    return args;
}

std::vector<Command>& commands() {
    static std::vector<Command> table;
    return table;
}

CommandRegistrar::CommandRegistrar(std::string name, std::string synopsis, std::function<int(const Args&)> run) {
    commands().push_back(Command{std::move(name), std::move(synopsis), std::move(run)});
}

int badInput(const std::string& messageGbk) {
    std::string utf8 = text::toUtf8(messageGbk);
    std::fprintf(stderr, "nuvelo-cli: %s\n", utf8.empty() ? messageGbk.c_str() : utf8.c_str());
    return 2;
}

bool openReference(const Args& args, refdata::NameDb& db) {
    std::string path = args.option("--db", settings::referenceDbPath());
    refdata::LoadResult result = refdata::loadReferenceData(db, path);
    if (!result.ok) {
        std::fprintf(stderr, "nuvelo-cli: %s (%s)\n", text::toUtf8(result.message).c_str(), path.c_str());
        return false;
    }
    return true;
}

bool argToGbk(const std::string& utf8, std::string& gbk) {
    gbk = text::toGbk(utf8);
    return utf8.empty() || !gbk.empty();
}

int readNameArgs(const Args& args, std::string& surname, std::string& given) {
    if (!argToGbk(args.positional[0], surname) || !argToGbk(args.positional[1], given))
        return badInput("the name holds characters outside GBK");
    if (text::isBlank(surname) || text::isBlank(given)) return badInput("surname and given name must not be blank");
    return 0;
}

std::string jsonString(const std::string& gbk) {
    std::string utf8 = text::toUtf8(gbk);
    std::string out = "\"";
    for (unsigned char c : utf8) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}

std::string jsonNumbers(const std::vector<int>& values) {
    std::string out = "[";
    for (std::size_t i = 0; i < values.size(); ++i) out += (i ? "," : "") + std::to_string(values[i]);
    return out + "]";
}

std::string jsonStrings(const std::vector<std::string>& gbkValues) {
    std::string out = "[";
    for (std::size_t i = 0; i < gbkValues.size(); ++i) out += (i ? "," : "") + jsonString(gbkValues[i]);
    return out + "]";
}

void printGbk(const std::string& gbk) {
    std::string utf8 = text::toUtf8(gbk);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
}

}  // namespace nuvelo::cli
