#pragma once
// The program's three pictures, each loaded by name on first use and kept once loaded; a load
// that found nothing is tried again on the next call.
#include "framework/platform/picture.h"

#include <memory>

std::shared_ptr<rt::Picture> Stitle();
std::shared_ptr<rt::Picture> Q();
std::shared_ptr<rt::Picture> by();

// Forgets the three kept pictures, so that each accessor loads its file again as on first use.
void ResetPictures();
