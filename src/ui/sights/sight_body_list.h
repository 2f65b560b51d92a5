#pragma once
// The bodies a sight can be of, by the names the sights show.
#include <string>
#include <vector>

namespace nocturna {

// The name shown for catalog position 1..63.
std::string ShownBodyName(int bodyIndex);

// Every body's shown name: catalog order (stars by number, planets, Sun, Moon) or alphabetical.
std::vector<std::string> ShownBodyNames(bool alphabetical);

}  // namespace nocturna
