#include "viewparameters.h"

void resetToDefaults(ViewParameters &params, RenderMode mode)
{
    switch (mode) {
    case RenderMode::Mandelbrot:
        params.x = -0.5;
        params.y = 0.0;
        params.w = 1.8;
        break;
    case RenderMode::Julia:
        params.x = -0.745;
        params.y = 0.113;
        params.w = 1.5;
        break;
    case RenderMode::Transcendental:
        params.x = 0.0;
        params.y = 0.0;
        params.w = 1.0;
        break;
    }
    params.IterationLimit = 100;
}
