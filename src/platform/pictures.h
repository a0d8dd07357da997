// Corvanthelix - the thirteen picture accessors.
#pragma once

#include "platform/picture.h"

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

// Releases every cached picture; only at program end, when nothing shows them.
void ReleasePictures();
