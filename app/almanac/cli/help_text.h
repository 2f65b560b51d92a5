#pragma once
// What `nocturna-almanac --help` prints.
#include <string>

namespace nocturna {

std::string AlmanacHelpText();

}  // namespace nocturna
