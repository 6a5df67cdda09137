#include "data/tools/eos/fluids.h"

namespace tervalo::eos {

namespace {

constexpr FluidFunction kFluids[] = {
    AmmoniaFluid, CarbonDioxideFluid, IsobutaneFluid, PropaneFluid, PropyleneFluid, R11Fluid,   R12Fluid,
    R123Fluid,    R124Fluid,          R13Fluid,       R134aFluid,   R14Fluid,       R152aFluid, R22Fluid,
    R227eaFluid,  R23Fluid,           R404AFluid,     R407CFluid,   R410AFluid,     R507AFluid,
};

}  // namespace

FluidFunction FindFluid(std::string_view name) {
    for (const FluidFunction fluid : kFluids)
        if (fluid().name == name) return fluid;
    return nullptr;
}

}  // namespace tervalo::eos
