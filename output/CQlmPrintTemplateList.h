#pragma once
// The page templates of a project, in order.
#include "output/CQlmPrintList.h"
#include "output/CQlmPrintTemplate.h"

class CQlmPrintTemplateList : public CQlmPrintList<CQlmPrintTemplate> {};
