#pragma once
// The content cells of a page template, in layout order. A page has at most
// nine cells; a record of more is refused.
#include "output/CQlmPrintList.h"
#include "output/CQlmPrintRect.h"

class CQlmPrintRectList : public CQlmPrintList<CQlmPrintRect, 9> {};
