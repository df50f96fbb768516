#pragma once
// The pick-list of an endodontic library's items or of the sections at one
// position of an item (see CQlmMultiPartPickList).
#include "libraries/CQlmMultiPartPickList.h"

class CDialogEndoImpList : public CQlmMultiPartPickList {};
