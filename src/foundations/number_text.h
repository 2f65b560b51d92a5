#pragma once
// Numbers as a person types them: in a window's field, a sight log's cell or on the command line.
#include <optional>
#include <string_view>

namespace nocturna {

// The text without the blanks (spaces, tabs, a carriage return) around it.
std::string_view TrimBlanks(std::string_view text);

// A decimal number: an optional sign, digits, an optional point and fraction; blanks around it
// are allowed, an exponent, "inf" and "nan" are not.
std::optional<double> ParseDecimal(std::string_view text);

// A whole number: an optional sign and one to nine digits, nothing else.
std::optional<int> ParseWholeNumber(std::string_view text);

}  // namespace nocturna
