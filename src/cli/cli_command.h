// The command-line front end: argument parsing, output and the command table.
//
// Input and output are UTF-8; the core works in GBK, so every text crosses
// toGbk / toUtf8 here. Exit codes: 0 success, 1 failure, 2 bad input (with a
// one-line message on stderr).
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "refdata/name_db.h"

namespace nuvelo::cli {

struct Args {
    std::vector<std::string> positional;           // UTF-8, in order
    std::map<std::string, std::string> options;    // "--surname" -> value (UTF-8)
    bool json = false;
    bool help = false;

    // Option value or fallback.
    std::string option(const std::string& name, const std::string& fallback = {}) const;
    bool has(const std::string& name) const { return options.count(name) != 0; }
};

// Options that take a value; every other "--x" is a flag.
Args parseArgs(const std::vector<std::string>& argv);

struct Command {
    std::string name;
    std::string synopsis;  // shown by --help
    std::function<int(const Args&)> run;
};

// Commands register themselves at start-up (see CommandRegistrar).
std::vector<Command>& commands();
struct CommandRegistrar {
    CommandRegistrar(std::string name, std::string synopsis, std::function<int(const Args&)> run);
};

// Prints "nuvelo-cli: MESSAGE" to stderr and returns 2. The message is GBK
// (like every literal of the command line); it is printed as UTF-8.
int badInput(const std::string& messageGbk);

// Loads the reference database named by --db (default: the program's
// data/namedata.db) into `db`. On failure prints the load message and
// returns false.
bool openReference(const Args& args, refdata::NameDb& db);

// Converts a UTF-8 argument to GBK; false when it cannot be held in GBK.
bool argToGbk(const std::string& utf8, std::string& gbk);

// Reads the first two positional arguments as surname and given name (GBK).
// 0 on success; otherwise the bad-input status, with its message printed.
int readNameArgs(const Args& args, std::string& surname, std::string& given);

// JSON string literal of a GBK text (converted to UTF-8 and escaped).
std::string jsonString(const std::string& gbk);
// JSON array of numbers.
std::string jsonNumbers(const std::vector<int>& values);
// JSON array of GBK strings.
std::string jsonStrings(const std::vector<std::string>& gbkValues);

// Writes GBK text to stdout as UTF-8.
void printGbk(const std::string& gbk);

}  // namespace nuvelo::cli
