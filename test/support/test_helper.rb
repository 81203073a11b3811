# Common set-up of the Ruby tests: the fake host is loaded before the
# extension, as inside the modelling application, and reset before each test.
require "minitest/autorun"
require_relative "fake_host"
require "Noxbin2xml"
require_relative "gc_stress" if ENV["NOXBIN2XML_GC_STRESS"]

class HostTest < Minitest::Test
  def setup
    FakeHost.reset!
  end

  # An entity whose plug-in dictionary holds the given scene record.
  def entity_with_record(record)
    Sketchup::Entity.new.tap do |entity|
      entity.set_attribute(PLUGIN_DICTIONARY, "serial_data", record)
    end
  end

  PLUGIN_DICTIONARY = "{DD17A615-9867-4806-8F46-B37031D7F153}".freeze
end
