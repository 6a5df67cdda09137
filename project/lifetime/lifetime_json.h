#pragma once

// The lifetime comparison of a project as a JSON object (UTF-8, numbers with "."), the `lifetime` member of
// tervalo-calc's JSON document: the inputs used, the results and the cash flows year by year. The format is
// described in the README.

#include <nlohmann/json_fwd.hpp>
#include <string>

#include "project/lifetime/project_lifetime.h"

namespace tervalo::lifetime {

std::string LifetimeJson(const ProjectLifetime& lifetime, const std::string& currency);
nlohmann::ordered_json LifetimeObject(const ProjectLifetime& lifetime, const std::string& currency);

// The project's JSON document (decision::ResultsJson) with its `lifetime` member: the comparison of the
// record as it stands with the inputs of Lifetime.dat, and whether that file was damaged. The document
// tervalo-calc prints and the window's Export writes. Its calculation takes the loads of the action that
// forms the document.
std::string WithLifetimeMember(const std::string& document, const ProjectRecord& record,
                               const std::string& currency, ActionLoads* loads = nullptr);
// The same member added to the document as a value, which its caller writes once.
void AddLifetimeMember(nlohmann::ordered_json& document, const ProjectRecord& record,
                       const std::string& currency, ActionLoads* loads = nullptr);

}  // namespace tervalo::lifetime
