// The forms in which the SQL host requests keep their values in the "Host request" section: numbered lists
// ("<key> 1", "<key> 2", ...), texts cut into "@"-enclosed pieces, and the system name.
#pragma once

#include "ZRIniFile.h"

#include <string>
#include <vector>

// Every text value is read into a buffer of this size: at most 99 characters of a value are seen.
inline constexpr DWORD kSqlValueBufferSize = 100;
// Longest system name.
inline constexpr size_t kSqlSystemNameLength = 8;

// Reads "<key> 1", "<key> 2", ... up to "<key> maxKeys", stopping at the first key that is missing or empty, and
// joins the values with `separator`. With `stopAtComma`, a value holding a comma also ends the list and is not
// taken. FALSE when key 1 is missing (the list is then empty).
bool ReadNumberedKey(const CZRIniFile& ini, const char* key, int maxKeys, const char* separator, bool stopAtComma,
                     std::string& list);

// Reads the pieces "<key> 1", "<key> 2", ... until a key that is missing or empty; each must begin and end with
// "@" and gives the characters between them; the pieces are joined without separator. FALSE when key 1 is missing
// or a piece is not enclosed in "@".
bool ReadAtDelimitedText(const CZRIniFile& ini, const char* key, std::string& text);

// Reads "System name": up to 8 characters, the first a letter, "@", "#" or "$", each later one also a digit or ".";
// an empty value is accepted. FALSE when the key is missing or the value breaks these rules.
bool ReadSystemName(const CZRIniFile& ini, const char* key, char name[kSqlSystemNameLength + 1]);

// The pieces of a list split at every occurrence of `separator`, each trimmed of white space; an empty list gives one
// empty piece.
std::vector<std::string> SplitSqlList(const char* list, const char* separator);

// Writes the values as "<key> 1", "<key> 2", ... in order.
BOOL WriteNumberedValues(const CZRIniFile& ini, const char* key, const std::vector<std::string>& values);

// Writes the text in pieces of 65 characters, each enclosed in "@", as "<key> 1", "<key> 2", ...; an empty text
// writes "<key> 1" as "@@".
BOOL WriteAtDelimitedText(const CZRIniFile& ini, const char* key, const char* text);
