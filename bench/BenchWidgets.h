#pragma once

// Deletes the widgets that benchmarks keep between runs; call it before the
// application object goes.
void ReleaseBenchWidgets();
