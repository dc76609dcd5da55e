#pragma once
// The pictures are compiled into the static GUI library; registering them
// here makes sure the linker keeps them in every program that loads them.

namespace orbaklaw {

void ZarejestrujZasobyObrazow();

} // namespace orbaklaw
