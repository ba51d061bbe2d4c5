#include "build_context.h"

namespace nuvelo::dbbuild {

// Not filled yet: the table stays empty.
bool writeEnglishTable(BuildContext&, std::string&) { return true; }

}  // namespace nuvelo::dbbuild
