// Wheels.cpp -- the four wheels under the vehicles of scenes C and F.
#include "scenes/Wheels.h"

void DrawFourWheels(GLUquadric* quadric)
{
    glTranslated(-1, -4, 0);
    gluSphere(quadric, 1, 20, 20);
    glTranslated(0, 0, 7.9);
    gluSphere(quadric, 1, 20, 20);
    glTranslated(2, 0, 0);
    gluSphere(quadric, 1, 20, 20);
    glTranslated(0, 0, -7.9);
    gluSphere(quadric, 1, 20, 20);
}
