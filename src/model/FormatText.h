// Fills the "%s" marks of one of the program's fixed texts, in order. A
// mark without an argument stays as it is, so a miscounted call shows up in
// the text instead of reading past the arguments.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args);

// "U+4E00": how messages name a character that has no code in a file's encoding.
std::string CodePointText(char32_t c);

// How messages name a person: 「name」, or by position ("3人目のデータ", with
// number counted from 1) when the name is empty, or without a position.
std::string PersonLabel(std::string_view name, std::size_t number = 0);
