#pragma once

// The refrigerants whose published equations of state the table generator evaluates, one source file each
// under fluids/ with the publication cited at its top.

#include <string_view>

#include "data/tools/eos/fluid_data.h"

namespace tervalo::eos {

const FluidData& AmmoniaFluid();
const FluidData& CarbonDioxideFluid();
const FluidData& IsobutaneFluid();
const FluidData& PropaneFluid();
const FluidData& PropyleneFluid();
const FluidData& R11Fluid();
const FluidData& R12Fluid();
const FluidData& R123Fluid();
const FluidData& R124Fluid();
const FluidData& R13Fluid();
const FluidData& R134aFluid();
const FluidData& R14Fluid();
const FluidData& R152aFluid();
const FluidData& R22Fluid();
const FluidData& R227eaFluid();
const FluidData& R23Fluid();
const FluidData& R404AFluid();
const FluidData& R407CFluid();
const FluidData& R410AFluid();
const FluidData& R507AFluid();

using FluidFunction = const FluidData& (*)();

// The fluid whose FluidData::name is `name` (as the refrigerant registry names its equation), or null.
FluidFunction FindFluid(std::string_view name);

}  // namespace tervalo::eos
