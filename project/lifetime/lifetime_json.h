#pragma once

// The lifetime comparison of a project as a JSON object (UTF-8, numbers with "."), the `lifetime` member of
// tervalo-calc's JSON document: the inputs used, the results and the cash flows year by year. The format is
// described in the README.

#include <string>

#include "project/lifetime/project_lifetime.h"

namespace tervalo::lifetime {

std::string LifetimeJson(const ProjectLifetime& lifetime, const std::string& currency);

}  // namespace tervalo::lifetime
