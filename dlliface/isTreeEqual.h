// Whether two chains are equal: a and b hold equal values (same kind, same text or number),
// their following siblings are equal pairwise and so are their children, to the last node.
// Called on the first entries of two value lists it compares the whole lists with their
// subtrees. Two missing chains are equal, one missing chain equals nothing. The walk keeps its
// own stack, so trees of any depth are compared.
#pragma once

class metaTreeC;

bool isTreeEqual(const metaTreeC* a, const metaTreeC* b);
