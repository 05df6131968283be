// MouthBall.cpp -- the big ball with a mouth that opens and eyes that shrink (scenes O and Q).
#include "figures/Figures.h"
#include "platform/Sound.h"
#include "scenes/MouthBall.h"
#include "world/World.h"

void EnterMouthBallSpace()
{
    glRotated(90, 1, 0, 0);
    glTranslated(0, 0, 2.35);
}

void DrawMouthBall(const ColourTriple& skin, double eyeDepth, bool pupils, float mouthOpen)
{
    glPushMatrix();
    EnterMouthBallSpace();
    GLUquadric* quadric = NewQuadric();
    glPushMatrix();
    SetColour(skin);
    glTranslated(-10, -20, -3.8);
    gluSphere(quadric, 4, 50, 50);

    SetColour(0, 0, 0);
    glTranslated(0, 1.2, 0);
    // The clamp keeps the mouth inside the ball once it is fully open.
    gluSphere(quadric, mouthOpen <= 0.29 ? 2.81 + mouthOpen : 3.1, 50, 50);

    const double eyeRadius = 0.8 / (3.0 * mouthOpen + 1);
    const double pupilRadius = 0.6 / (3.0 * mouthOpen + 1);
    glTranslated(-1, 1.2, eyeDepth);
    if (pupils) {
        SetColour(skin);
        gluSphere(quadric, eyeRadius, 50, 50);
        glTranslated(0, 0.3, 0);
        SetColour(0, 0, 0);
        gluSphere(quadric, pupilRadius, 50, 50);
        // Only 0.2 of the pupil's 0.3 is taken back, so the second eye sits a little higher.
        glTranslated(0, -0.2, 0);
        glTranslated(2, 0, 0);
        SetColour(skin);
        gluSphere(quadric, eyeRadius, 50, 50);
        glTranslated(0, 0.3, 0);
        SetColour(0, 0, 0);
        gluSphere(quadric, pupilRadius, 50, 50);
    } else {
        gluSphere(quadric, eyeRadius, 50, 50);
        glTranslated(2, 0, 0);
        gluSphere(quadric, eyeRadius, 50, 50);
    }
    glPopMatrix();
    gluDeleteQuadric(quadric);
    glPopMatrix();
}

bool CloseMouthAndFinish()
{
    if (SceneValueC > 0) {
        SceneValueC = static_cast<float>(SceneValueC - 0.1);
        return false;
    }
    SceneValueB = 0;
    SceneTick = 0;
    HeadPhase = 0;
    SceneValueC = 0;
    CueStarted = false;
    SendSoundCommand("close sound");
    return true;
}
