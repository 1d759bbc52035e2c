#pragma once
// Told when a shader program has been built, failed to build, or is put in
// use. Listeners set their uniforms and attributes here.

namespace video {

class Shader;

class ShaderListener {
public:
  virtual ~ShaderListener() = default;
  virtual void shaderInitialized(Shader &shader) = 0;
  virtual void shaderFailed(Shader &shader) = 0;
  virtual void shaderUsed(Shader &shader) = 0;
};

} // namespace video
