#pragma once
// Counting rising edges on each relay's input line, and the counter controls.

namespace tavrel {

struct Engine;

constexpr int kCounterCap = 32000;

// Called by each tick after the inputs are read.
void CountInputs(Engine& engine);

enum class MouseButton { Left, Right };
// Left: counting on or off; right: counting on from 0. The restart file is written after either.
void CounterClicked(Engine& engine, int relay, MouseButton button);
void ZeroCounters(Engine& engine);

} // namespace tavrel
