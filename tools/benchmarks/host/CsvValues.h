// The values of a CSV file written by the PC data source, record by record: fields separated by commas, text in
// double quotes with doubled quotes inside.
#pragma once

#include <string>
#include <vector>

std::vector<std::vector<std::string>> ReadCsvValues(const std::string& path);
