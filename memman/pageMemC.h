// A paged array of pages of 8, made to be an element of another paged array
// (a net of control points is an array of such rows).
#pragma once

#include "memman/pageMemT.h"

template <class T>
class pageMemC : public pageMemT<T, 3> {};
