// Corvanthelix - the thirteen picture accessors.
#pragma once

#include "platform/picture.h"

#include <array>

// Each accessor reads its picture once and returns the same object on every
// later call; a picture the resources lack gives null and is tried again on
// the next call.
const Picture *pic1();
const Picture *pic2();
const Picture *pic3();
const Picture *pic4();
const Picture *pic5();
const Picture *pic6();
const Picture *pic7();
const Picture *pic8();
const Picture *pic9();
const Picture *picA();
const Picture *gamepic();
const Picture *numpic2();
const Picture *scoreshot();

// The tiles' accessors: the tile of hidden number n is TileAccessors[n - 1]().
inline constexpr std::array<const Picture *(*)(), 9> TileAccessors = {pic1, pic2, pic3, pic4, pic5,
                                                                       pic6, pic7, pic8, pic9};

// Releases every cached picture; only at program end, when nothing shows them.
void ReleasePictures();
