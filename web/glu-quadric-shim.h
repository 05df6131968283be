/* glu-quadric-shim.h -- forced into Mesa GLU's quadrics (quad.c) when it is compiled for the browser.
 *
 * Emscripten's fixed-function emulation draws only the primitives WebGL has, and keeps a normal only when it
 * is given inside glBegin/glEnd with a vertex. Mesa's quadrics draw quad strips and set a cap's or a flat
 * face's normal once before glBegin. These names send the quadrics' drawing through glu-quadric-shim.c, which
 * gathers each primitive and hands it on as plain triangles, every vertex with the normal current for it. */
#ifndef QUILLORA_GLU_QUADRIC_SHIM_H
#define QUILLORA_GLU_QUADRIC_SHIM_H
#define glBegin QuilloraShimBegin
#define glEnd QuilloraShimEnd
#define glNormal3f QuilloraShimNormal3f
#define glTexCoord2f QuilloraShimTexCoord2f
#define glVertex3f QuilloraShimVertex3f
#endif
