// The stand-in's texts from its own string table (XlServerTexts.h), formatted with their arguments.
#pragma once

#include "XmlReader.h"

#include <string>

std::wstring ServerText(unsigned id, ...);
// Why a file is no workbook, in words.
std::wstring ProblemText(const FileProblem& problem);
