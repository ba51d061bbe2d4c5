#include "reader/dictionary.h"

namespace nuvelo::reader {

std::string dictionaryCaption(const std::string& typed) {
    return " 汉字[ " + typed + " ]的详细解释";
}

}  // namespace nuvelo::reader
