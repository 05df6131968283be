// FloorProps.cpp -- the frame the letter props of K, L, M and N are built in.
#include "scenes/FloorProps.h"
#include <GL/gl.h>

void EnterFloorPropSpace()
{
    glTranslated(0, -5, 10);
    glRotated(90, 1, 0, 0);
    glTranslated(0, 0, 2.35);
    glTranslated(-8.65, 0, 0);
}
