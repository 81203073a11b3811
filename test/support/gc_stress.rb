# Runs every call into the extension (module functions and value-class
# methods) with GC.stress on, so a value the extension forgets to keep alive
# is collected at once and the test fails or crashes.
module GcStress
  @depth = 0

  def self.around
    @depth += 1
    GC.stress = true
    yield
  ensure
    @depth -= 1
    GC.stress = false if @depth.zero?
  end

  def self.wrap(target, names)
    wrapper = Module.new do
      names.each do |name|
        define_method(name) { |*args, &block| GcStress.around { super(*args, &block) } }
      end
    end
    target.prepend(wrapper)
  end
end

GcStress.wrap(Noxbin2xml.singleton_class, Noxbin2xml.singleton_methods)
%i[Vector Color Transform Material].each do |name|
  klass = KilnForSketchUp.const_get(name)
  GcStress.wrap(klass, klass.instance_methods(false) + [:initialize])
  GcStress.wrap(klass.singleton_class, [:new])
end
