/* glu-quadric-shim.c -- the drawing calls Mesa GLU's quadrics make, turned into triangles for the browser's
 * fixed-function emulation (see glu-quadric-shim.h). Each triangle keeps the winding of the primitive it comes
 * from, so culling and lighting see the same faces as on the desktop; a quad is split along the same diagonal
 * as Mesa splits it (its second and third vertices). Lines and points pass through as they are. */
#include <GL/gl.h>

enum { MaxVertices = 4096 };  /* a quadric's strip holds 2 * (slices + 1) vertices */

struct ShimVertex { GLfloat Position[3], Normal[3], TexCoord[2]; };

static struct ShimVertex Vertices[MaxVertices];
static int VertexCount;
static GLenum Mode;
static GLfloat Normal[3] = {0, 0, 1};
static GLfloat TexCoord[2];
static int UsesTexCoords;

void QuilloraShimNormal3f(GLfloat x, GLfloat y, GLfloat z) { Normal[0] = x; Normal[1] = y; Normal[2] = z; }
void QuilloraShimTexCoord2f(GLfloat s, GLfloat t) { TexCoord[0] = s; TexCoord[1] = t; UsesTexCoords = 1; }

void QuilloraShimBegin(GLenum mode)
{
    Mode = mode;
    VertexCount = 0;
}

void QuilloraShimVertex3f(GLfloat x, GLfloat y, GLfloat z)
{
    if (VertexCount == MaxVertices) return;
    struct ShimVertex* vertex = &Vertices[VertexCount++];
    vertex->Position[0] = x; vertex->Position[1] = y; vertex->Position[2] = z;
    for (int i = 0; i < 3; i++) vertex->Normal[i] = Normal[i];
    vertex->TexCoord[0] = TexCoord[0]; vertex->TexCoord[1] = TexCoord[1];
}

static void Emit(int index)
{
    const struct ShimVertex* vertex = &Vertices[index];
    glNormal3f(vertex->Normal[0], vertex->Normal[1], vertex->Normal[2]);
    if (UsesTexCoords) glTexCoord2f(vertex->TexCoord[0], vertex->TexCoord[1]);
    glVertex3f(vertex->Position[0], vertex->Position[1], vertex->Position[2]);
}

static void Triangle(int a, int b, int c) { Emit(a); Emit(b); Emit(c); }

void QuilloraShimEnd(void)
{
    const int n = VertexCount;
    if (Mode != GL_QUAD_STRIP && Mode != GL_TRIANGLE_FAN && Mode != GL_TRIANGLE_STRIP && Mode != GL_QUADS &&
        Mode != GL_TRIANGLES && Mode != GL_POLYGON) {
        glBegin(Mode);
        for (int i = 0; i < n; i++) Emit(i);
        glEnd();
        return;
    }
    glBegin(GL_TRIANGLES);
    if (Mode == GL_QUAD_STRIP) {
        for (int i = 0; i + 3 < n; i += 2) { Triangle(i, i + 1, i + 2); Triangle(i + 2, i + 1, i + 3); }
    } else if (Mode == GL_TRIANGLE_FAN || Mode == GL_POLYGON) {
        for (int i = 1; i + 1 < n; i++) Triangle(0, i, i + 1);
    } else if (Mode == GL_TRIANGLE_STRIP) {
        for (int i = 0; i + 2 < n; i++) {
            if (i % 2 == 0) Triangle(i, i + 1, i + 2);
            else Triangle(i + 1, i, i + 2);
        }
    } else if (Mode == GL_QUADS) {
        for (int i = 0; i + 3 < n; i += 4) { Triangle(i, i + 1, i + 2); Triangle(i, i + 2, i + 3); }
    } else {
        for (int i = 0; i + 2 < n; i += 3) Triangle(i, i + 1, i + 2);
    }
    glEnd();
}
