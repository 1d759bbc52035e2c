#include "video/OpenGLRenderState.h"

#include "video/BufferObject.h"
#include "video/Light.h"
#include "video/OpenGLFunctions.h"
#include "video/TextureAccess.h"

#include <GLES/gl.h>

namespace video {

namespace {

const GLenum compareTable[COMPARE_COUNT] = {GL_NEVER, GL_ALWAYS, GL_LESS,    GL_LEQUAL,
                                            GL_EQUAL, GL_GEQUAL, GL_GREATER, GL_NOTEQUAL};
const GLenum stencilTable[STENCIL_COUNT] = {GL_KEEP, GL_ZERO, GL_REPLACE,
                                            GL_INCR, GL_DECR, GL_INVERT};
const GLenum sourceTable[] = {GL_TEXTURE,       GL_TEXTURE,  GL_PRIMARY_COLOR,
                              GL_PRIMARY_COLOR, GL_CONSTANT, GL_CONSTANT};
const GLenum combineTable[] = {GL_REPLACE, GL_MODULATE, GL_ADD, GL_SUBTRACT};
const GLenum blendTable[BLEND_COUNT][2] = {{GL_ONE, GL_ZERO},
                                           {GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA},
                                           {GL_ONE, GL_ONE_MINUS_SRC_ALPHA},
                                           {GL_SRC_ALPHA, GL_ONE},
                                           {GL_ZERO, GL_SRC_COLOR},
                                           {GL_ONE, GL_ONE}};

// Fields of a packed word are 4 bits wide; only the listed values mean anything.
bool validSource(int source) { return source >= 0 && source < 6; }
bool validCombine(int function) { return function >= 0 && function < 4; }

GLenum lightNumber(int index) { return index >= 1 && index <= 7 ? GL_LIGHT0 + index : GL_LIGHT0; }

void enableOrDisable(GLenum capability, bool on) {
  if (on)
    glEnable(capability);
  else
    glDisable(capability);
}

} // namespace

bool glCompareFunction(int function, unsigned int &out) {
  if (function < 0 || function >= COMPARE_COUNT)
    return false;
  out = compareTable[function];
  return true;
}

bool glStencilOperation(int operation, unsigned int &out) {
  if (operation < 0 || operation >= STENCIL_COUNT)
    return false;
  out = stencilTable[operation];
  return true;
}

void OpenGLRenderState::reset() {
  RenderState::reset();
  m_textureMatrix = true;
  m_depthTest = false;
  m_depthFunction = COMPARE_LESS;
  m_activeTextureUnit = 0;
  BufferObjectPool::instance().releaseAll();
  setBlendMode(BLEND_NORMAL);
  int units = OpenGLFunctions::maxTextureUnits;
  if (units < 2) {
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE);
    return;
  }
  for (int unit = 0; unit < units; ++unit) {
    selectUnit(unit);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE);
  }
  selectUnit(0);
}

void OpenGLRenderState::selectUnit(int unit) {
  if (unit == m_activeTextureUnit ||
      !OpenGLFunctions::supported[OpenGLFunctions::GROUP_MULTITEXTURE] ||
      !OpenGLFunctions::activeTexture)
    return;
  OpenGLFunctions::activeTexture(GLenum(GL_TEXTURE0 + unit));
  m_activeTextureUnit = unit;
}

void OpenGLRenderState::enableLight(Light &light) {
  GLenum number = lightNumber(light.index);
  light.applied = true;
  glEnable(number);
  const GLfloat position[4] = {-light.direction.x, -light.direction.y, -light.direction.z, 0.0f};
  glLightfv(number, GL_POSITION, position);
  const GLfloat ambient[4] = {light.ambient.r, light.ambient.g, light.ambient.b, light.ambient.a};
  const GLfloat diffuse[4] = {light.diffuse.r, light.diffuse.g, light.diffuse.b, light.diffuse.a};
  const GLfloat specular[4] = {light.specular.r, light.specular.g, light.specular.b,
                               light.specular.a};
  glLightfv(number, GL_AMBIENT, ambient);
  glLightfv(number, GL_DIFFUSE, diffuse);
  glLightfv(number, GL_SPECULAR, specular);
}

void OpenGLRenderState::disableLight(const Light &light) { glDisable(lightNumber(light.index)); }

void OpenGLRenderState::applyShadeModel(int model) {
  if (model == SHADE_SMOOTH)
    glShadeModel(GL_SMOOTH);
  else if (model == SHADE_FLAT)
    glShadeModel(GL_FLAT);
}

void OpenGLRenderState::applyBlendMode(int mode) {
  if (mode < 0 || mode >= BLEND_COUNT)
    mode = BLEND_NORMAL;
  glBlendFunc(blendTable[mode][0], blendTable[mode][1]);
}

void OpenGLRenderState::applyBlending(bool on) { enableOrDisable(GL_BLEND, on); }

void OpenGLRenderState::applyCombineRGB(int function, int unit) {
  if (!validCombine(function))
    return;
  selectUnit(unit);
  glTexEnvf(GL_TEXTURE_ENV, GL_COMBINE_RGB, GLfloat(combineTable[function]));
}

void OpenGLRenderState::applySourceRGB0(int source, int unit) {
  if (!validSource(source))
    return;
  selectUnit(unit);
  glTexEnvf(GL_TEXTURE_ENV, GL_SRC0_RGB, GLfloat(sourceTable[source]));
  glTexEnvf(GL_TEXTURE_ENV, GL_OPERAND0_RGB,
            GLfloat(source % 2 == 0 ? GL_SRC_COLOR : GL_ONE_MINUS_SRC_COLOR));
}

void OpenGLRenderState::applySourceRGB1(int source, int unit) {
  if (!validSource(source))
    return;
  selectUnit(unit);
  glTexEnvf(GL_TEXTURE_ENV, GL_SRC1_RGB, GLfloat(sourceTable[source]));
  glTexEnvf(GL_TEXTURE_ENV, GL_OPERAND1_RGB,
            GLfloat(source % 2 == 0 ? GL_SRC_COLOR : GL_ONE_MINUS_SRC_COLOR));
}

void OpenGLRenderState::applyCombineAlpha(int function, int unit) {
  if (!validCombine(function))
    return;
  selectUnit(unit);
  glTexEnvf(GL_TEXTURE_ENV, GL_COMBINE_ALPHA, GLfloat(combineTable[function]));
}

void OpenGLRenderState::applySourceAlpha0(int source, int unit) {
  if (!validSource(source))
    return;
  selectUnit(unit);
  glTexEnvf(GL_TEXTURE_ENV, GL_SRC0_ALPHA, GLfloat(sourceTable[source]));
  glTexEnvf(GL_TEXTURE_ENV, GL_OPERAND0_ALPHA,
            GLfloat(source % 2 == 0 ? GL_SRC_ALPHA : GL_ONE_MINUS_SRC_ALPHA));
}

void OpenGLRenderState::applySourceAlpha1(int source, int unit) {
  if (!validSource(source))
    return;
  selectUnit(unit);
  glTexEnvf(GL_TEXTURE_ENV, GL_SRC1_ALPHA, GLfloat(sourceTable[source]));
  glTexEnvf(GL_TEXTURE_ENV, GL_OPERAND1_ALPHA,
            GLfloat(source % 2 == 0 ? GL_SRC_ALPHA : GL_ONE_MINUS_SRC_ALPHA));
}

void OpenGLRenderState::applyTextureEnvColor(const math::Color &color) {
  const GLfloat values[4] = {color.r, color.g, color.b, color.a};
  glTexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_COLOR, values);
}

void OpenGLRenderState::applyTexture(Texture *texture, int unit) {
  selectUnit(unit);
  if (!texture) {
    glDisable(GL_TEXTURE_2D);
    return;
  }
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, textureGLName(texture));
}

void OpenGLRenderState::applyLighting(bool on) { enableOrDisable(GL_LIGHTING, on); }
void OpenGLRenderState::applyFog(bool on) { enableOrDisable(GL_FOG, on); }
void OpenGLRenderState::applyCulling(bool on) { enableOrDisable(GL_CULL_FACE, on); }

void OpenGLRenderState::applyCullMode(int mode) {
  if (mode == CULL_FRONT)
    glCullFace(GL_FRONT);
  else if (mode == CULL_BACK)
    glCullFace(GL_BACK);
}

void OpenGLRenderState::applyDepthWrite(bool on) { glDepthMask(on ? GL_TRUE : GL_FALSE); }
void OpenGLRenderState::applyDepthTest(bool on) { enableOrDisable(GL_DEPTH_TEST, on); }

// A compare or stencil value outside its table issues nothing.
void OpenGLRenderState::applyDepthFunction(int function) {
  GLenum f;
  if (glCompareFunction(function, f))
    glDepthFunc(f);
}

void OpenGLRenderState::applyAlphaTest(bool on) { enableOrDisable(GL_ALPHA_TEST, on); }

void OpenGLRenderState::applyAlphaFunction(int function, float reference) {
  GLenum f;
  if (glCompareFunction(function, f))
    glAlphaFunc(f, reference);
}

void OpenGLRenderState::applyStencilMask(uint32_t mask) { glStencilMask(mask); }
void OpenGLRenderState::applyStencilTest(bool on) { enableOrDisable(GL_STENCIL_TEST, on); }

void OpenGLRenderState::applyStencilFunction(int function, int reference, uint32_t mask) {
  GLenum f;
  if (glCompareFunction(function, f))
    glStencilFunc(f, reference, mask);
}

void OpenGLRenderState::applyStencilOperation(int fail, int depthFail, int pass) {
  GLenum a, b, c;
  if (glStencilOperation(fail, a) && glStencilOperation(depthFail, b) &&
      glStencilOperation(pass, c))
    glStencilOp(a, b, c);
}

} // namespace video
