#include "mesh/MyXOBJ.h"

void MyXOBJ::Init() { *this = MyXOBJ(); }

void MyXOBJ::Free() { Init(); }
