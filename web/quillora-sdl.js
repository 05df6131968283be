// quillora-sdl.js -- two of Emscripten's JavaScript helpers that SDL's Emscripten backend calls from its inline
// JavaScript, where the link cannot see them: the sound's wake-up on the first touch, click or key
// (autoResumeAudioContext) and calls back into the program (dynCall). Emscripten's own SDL port asks for the
// same two; the browser build links SDL built from Debian's sources instead.
DEFAULT_LIBRARY_FUNCS_TO_INCLUDE.push('$autoResumeAudioContext', '$dynCall');
