// quillora-gl.js -- the OpenGL 1.1 calls the program makes that neither WebGL nor Emscripten's fixed-function
// emulation has, for the browser build only (linked with --js-library; the desktop program has them from Mesa).
//
// glPushAttrib/glPopAttrib keep what the program's drawing helpers change between them: the switches, the
// texture binding and its environment mode, the depth mask and function, the matrix mode, and for
// GL_ALL_ATTRIB_BITS the viewport, the scissor box, the clear colour and the colour mask.
// glReadBuffer and glReadPixels serve the replay's shots (tools/web-test).
// glDrawPixels and glRasterPos3i draw the background only where a driver takes no 760 x 550 texture; the browser
// build names the extension that tells the program it does (see library_glemu.patch), so they are never reached
// and say so once if they ever are. glClearIndex and glPixelZoom matter only to those same paths or to
// colour-index windows, which WebGL has not.

var LibraryQuilloraGL = {
  $QuilloraAttribStack: [],

  // WebGL's getParameter and isEnabled wait for the GPU to catch up with every call before them, which costs a
  // frame of the busiest scenes two thirds of its time; the state kept between glPushAttrib and glPopAttrib is
  // therefore followed here as it is set, read once from the context when the first push comes.
  $QuilloraState__deps: ['$GL'],
  $QuilloraState: {
    context: null,
    follow: function() {
      if (QuilloraState.context === GLctx) return QuilloraState;
      var ctx = QuilloraState.context = GLctx;
      var state = QuilloraState;
      state.switches = {};
      [ctx.CULL_FACE, ctx.DEPTH_TEST, ctx.BLEND, ctx.SCISSOR_TEST, ctx.STENCIL_TEST].forEach(function(cap) {
        state.switches[cap] = ctx.isEnabled(cap);
      });
      state.texture = ctx.getParameter(ctx.TEXTURE_BINDING_2D);
      state.depthMask = ctx.getParameter(ctx.DEPTH_WRITEMASK);
      state.depthFunc = ctx.getParameter(ctx.DEPTH_FUNC);
      state.clearDepth = ctx.getParameter(ctx.DEPTH_CLEAR_VALUE);
      state.viewport = Array.from(ctx.getParameter(ctx.VIEWPORT));
      state.scissor = Array.from(ctx.getParameter(ctx.SCISSOR_BOX));
      state.clearColor = Array.from(ctx.getParameter(ctx.COLOR_CLEAR_VALUE));
      state.colorMask = ctx.getParameter(ctx.COLOR_WRITEMASK).slice();
      function after(name, note) {
        var real = ctx[name];
        ctx[name] = function() { note.apply(null, arguments); return real.apply(ctx, arguments); };
      }
      after('enable', function(cap) { if (cap in state.switches) state.switches[cap] = true; });
      after('disable', function(cap) { if (cap in state.switches) state.switches[cap] = false; });
      // The program draws with texture unit 0 only.
      after('bindTexture', function(target, texture) { if (target == ctx.TEXTURE_2D) state.texture = texture; });
      after('depthMask', function(flag) { state.depthMask = !!flag; });
      after('depthFunc', function(func) { state.depthFunc = func; });
      after('clearDepth', function(depth) { state.clearDepth = depth; });
      after('viewport', function(x, y, w, h) { state.viewport = [x, y, w, h]; });
      after('scissor', function(x, y, w, h) { state.scissor = [x, y, w, h]; });
      after('clearColor', function(r, g, b, a) { state.clearColor = [r, g, b, a]; });
      after('colorMask', function(r, g, b, a) { state.colorMask = [!!r, !!g, !!b, !!a]; });
      return state;
    }
  },

  glPushAttrib__deps: ['$QuilloraAttribStack', '$QuilloraState', '$GLImmediate', 'glIsEnabled', 'malloc'],
  glPushAttrib: function(mask) {
    var ENABLE = 0x2000, TEXTURE = 0x40000, DEPTH = 0x100, TRANSFORM = 0x1000;
    var all = (mask >>> 0) == 0xFFFFFFFF || (mask & 0xFFFFF) == 0xFFFFF;
    var state = QuilloraState.follow();
    var saved = {};
    if (all || (mask & ENABLE)) {
      saved.switches = Object.assign({}, state.switches);
      // Those the emulation keeps itself (lighting, lights, fog, alpha test, colour material, normalize).
      for (var cap of [0xB50, 0xBC0, 0xB60, 0xB57, 0xBA1, 0x4000, 0x4001, 0x4002, 0x4003, 0x4004, 0x4005,
                       0x4006, 0x4007]) {
        saved.switches[cap] = _glIsEnabled(cap);
      }
      saved.texture2D = GLImmediate.TexEnvJIT.getTexUnitType(0) == 0xDE1;
    }
    if (all || (mask & TEXTURE)) {
      saved.texture = state.texture;
      if (!QuilloraAttribStack.scratch) QuilloraAttribStack.scratch = _malloc(4);
      GLImmediate.TexEnvJIT.hook_getTexEnviv(0x2300 /* GL_TEXTURE_ENV */, 0x2200 /* MODE */, QuilloraAttribStack.scratch);
      saved.envMode = HEAP32[QuilloraAttribStack.scratch >> 2];
      if (saved.texture2D === undefined) saved.texture2D = GLImmediate.TexEnvJIT.getTexUnitType(0) == 0xDE1;
    }
    if (all || (mask & DEPTH)) {
      saved.depthMask = state.depthMask;
      saved.depthFunc = state.depthFunc;
      saved.clearDepth = state.clearDepth;
    }
    if (all || (mask & TRANSFORM)) saved.matrixMode = GLImmediate.currentMatrix;
    if (all) {
      saved.viewport = state.viewport.slice();
      saved.scissor = state.scissor.slice();
      saved.clearColor = state.clearColor.slice();
      saved.colorMask = state.colorMask.slice();
    }
    QuilloraAttribStack.push(saved);
  },

  glPopAttrib__deps: ['$QuilloraAttribStack', '$GLImmediate', 'glEnable', 'glDisable', 'glTexEnvi',
                      'glMatrixMode'],
  glPopAttrib: function() {
    var saved = QuilloraAttribStack.pop();
    if (!saved) return;
    if (saved.switches) {
      for (var cap in saved.switches) {
        if (saved.switches[cap]) _glEnable(+cap); else _glDisable(+cap);
      }
    }
    if (saved.texture2D !== undefined) {
      if (saved.texture2D) _glEnable(0xDE1); else _glDisable(0xDE1);
    }
    if (saved.texture !== undefined) {
      GLctx.bindTexture(GLctx.TEXTURE_2D, saved.texture);
      _glTexEnvi(0x2300, 0x2200, saved.envMode);
    }
    if (saved.depthMask !== undefined) {
      GLctx.depthMask(saved.depthMask);
      GLctx.depthFunc(saved.depthFunc);
      GLctx.clearDepth(saved.clearDepth);
    }
    if (saved.viewport) {
      GLctx.viewport(saved.viewport[0], saved.viewport[1], saved.viewport[2], saved.viewport[3]);
      GLctx.scissor(saved.scissor[0], saved.scissor[1], saved.scissor[2], saved.scissor[3]);
      GLctx.clearColor(saved.clearColor[0], saved.clearColor[1], saved.clearColor[2], saved.clearColor[3]);
      GLctx.colorMask(saved.colorMask[0], saved.colorMask[1], saved.colorMask[2], saved.colorMask[3]);
    }
    if (saved.matrixMode !== undefined) {
      _glMatrixMode(saved.matrixMode == 0 ? 0x1700 : saved.matrixMode == 1 ? 0x1701 : 0x1702);
    }
  },

  // WebGL reads the drawing buffer, which is the back buffer until the page shows it: nothing to choose.
  glReadBuffer: function() {},

  // WebGL reads RGBA bytes for certain; red-green-blue rows (the replay's shots) are packed from them.
  // The program's pack alignment sets the rows' stride in its memory; WebGL's own reads into RGBA.
  $QuilloraPackAlignment: {value: 4},
  glPixelStorei__deps: ['$GL', '$QuilloraPackAlignment'],
  glPixelStorei: function(pname, param) {
    if (pname == 0xD05 /* GL_PACK_ALIGNMENT */) QuilloraPackAlignment.value = param;
    else if (pname == 0xCF5 /* GL_UNPACK_ALIGNMENT */) GL.unpackAlignment = param;
    GLctx.pixelStorei(pname, param);
  },

  glReadPixels__deps: ['$GL', '$QuilloraPackAlignment'],
  glReadPixels: function(x, y, width, height, format, type, pixels) {
    var rgba = new Uint8Array(width * height * 4);
    GLctx.readPixels(x, y, width, height, GLctx.RGBA, GLctx.UNSIGNED_BYTE, rgba);
    var channels = format == 0x1907 /* GL_RGB */ ? 3 : 4;
    var alignment = QuilloraPackAlignment.value;
    var stride = Math.ceil(width * channels / alignment) * alignment;
    for (var row = 0; row < height; row++) {
      for (var column = 0; column < width; column++) {
        for (var k = 0; k < channels; k++) {
          HEAPU8[pixels + row * stride + column * channels + k] = rgba[(row * width + column) * 4 + k];
        }
      }
    }
  },

  glDrawPixels: function() { warnOnce('glDrawPixels: not in the browser build (the background is a texture)'); },
  glRasterPos3i: function() {},
  glPixelZoom: function() {},
  glClearIndex: function() {},  // colour-index mode only
};

mergeInto(LibraryManager.library, LibraryQuilloraGL);
