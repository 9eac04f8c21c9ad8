// The whole document as JSON: what `vitachron-cli dump` prints.
#pragma once

#include <nlohmann/json.hpp>

class CVitachronDoc;

nlohmann::ordered_json DocumentToJson(const CVitachronDoc& doc, int currentYear);
