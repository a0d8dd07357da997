// Corvanthelix - the thirteen picture accessors.
#include "platform/pictures.h"

#include <array>

namespace {

enum Slot { Pic1, Pic2, Pic3, Pic4, Pic5, Pic6, Pic7, Pic8, Pic9, PicA, GamePic, NumPic2, ScoreShot, SlotCount };

// Resource numbers by slot. pic9 sits at 169, between pic1 and pic2.
// picA carries resolution 70, hidden number 0: clicks on a finished board then never choose a tile or count a step.
constexpr std::array<int, SlotCount> resourceNumbers = {168, 170, 171, 172, 173, 174, 175, 176, 169,
                                                        180, 177, 178, 179};

std::array<std::unique_ptr<Picture>, SlotCount> &cache()
{
    static std::array<std::unique_ptr<Picture>, SlotCount> pictures;
    return pictures;
}

const Picture *cached(Slot slot)
{
    auto &picture = cache()[slot];
    if (!picture)
        picture = ReadPictureResource(resourceNumbers[slot]);
    return picture.get();
}

} // namespace

const Picture *pic1() { return cached(Pic1); }
const Picture *pic2() { return cached(Pic2); }
const Picture *pic3() { return cached(Pic3); }
const Picture *pic4() { return cached(Pic4); }
const Picture *pic5() { return cached(Pic5); }
const Picture *pic6() { return cached(Pic6); }
const Picture *pic7() { return cached(Pic7); }
const Picture *pic8() { return cached(Pic8); }
const Picture *pic9() { return cached(Pic9); }
const Picture *picA() { return cached(PicA); }
const Picture *gamepic() { return cached(GamePic); }
const Picture *numpic2() { return cached(NumPic2); }
const Picture *scoreshot() { return cached(ScoreShot); }

void ReleasePictures()
{
    for (auto &picture : cache())
        picture.reset();
}
