#include "cli/JsonLines.h"

#include <iostream>

void PrintJsonLine(const nlohmann::json& json) {
    std::cout << json.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << "\n"
              << std::flush;
}
