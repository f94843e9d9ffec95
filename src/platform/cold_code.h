#pragma once
// Marks code that a program carries but seldom runs (a feature that is off by default): the compiler
// optimises it for size and keeps it apart from the code that runs on every tick. A daemon's resident
// size follows the size of its code, so a feature left off should cost as few bytes as it can.

#define TAVREL_COLD __attribute__((cold))
