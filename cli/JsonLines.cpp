#include "cli/JsonLines.h"

#include "cli/HeldOutput.h"

void PrintJsonLine(const nlohmann::json& json) {
    FileOutput() << json.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << "\n"
                 << std::flush;
}
